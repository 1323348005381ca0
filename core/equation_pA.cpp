#include "equation_pA.h"

#include <cmath>

#include "messages.h"

using namespace atomic_units;

equation_pA::equation_pA(const std::string& file_name, const grid_parameters& grid, int level)
    : equation_base(file_name, grid, level) {
  if (shows_startup(message_level)) message_stream() << "Inicjacja rownania Schrodingera (wersja pA) ...\n";
  label = "wersja pA";
}

long double equation_pA::vector_potential(double x, double time) const {
  const long double t = time;
  // Without a carrier frequency the field is static in time: its integral
  // grows linearly and the envelope plays no part.
  if (w == 0) return -Ec * t - Eo * t * std::cos(phi - k * static_cast<long double>(x));
  return -Ec * t - (Eo / static_cast<long double>(w)) * envelope(time) * std::sin(carrier_phase(x, time));
}

std::complex<double> equation_pA::drift_coefficient(double x, double t) const {
  return static_cast<double>(charge * vector_potential(x, t) / mass);
}

std::complex<double> equation_pA::potential_coefficient(double x, double t) const {
  // V and U_abs first, then the diamagnetic term q^2 A^2 / 2m on the real part.
  const long double A = vector_potential(x, t);
  std::complex<long double> sum = potential(x, t) + std::complex<long double>(absorbing_potential(x, t));
  sum.real(sum.real() + charge * charge * A * A / (2 * mass));
  return std::complex<double>(std::complex<long double>(0, -1 / hbar) * sum);
}

std::complex<double> equation_pA::gauge_phase(double x, double t) const {
  if (pA_cechowanie_mieszane != 0) return 1;
  // exp((-i/hbar) q x A(0,t)): a pure phase.
  const long double angle = -charge * static_cast<long double>(x) * vector_potential(0, t) / hbar;
  return std::polar(1.0, static_cast<double>(angle));
}

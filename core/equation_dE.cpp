#include "equation_dE.h"

#include "messages.h"

using namespace atomic_units;

equation_dE::equation_dE(const std::string& file_name, const grid_parameters& grid, int level)
    : equation_base(file_name, grid, level) {
  if (shows_startup(message_level)) message_stream() << "Inicjacja rownania Schrodingera (wersja dE) ...\n";
  label = "wersja dE";
}

std::complex<double> equation_dE::drift_coefficient(double, double) const { return 0; }

std::complex<double> equation_dE::potential_coefficient(double x, double t) const {
  // V and U_abs first, then the dipole energy q x E on the real part.
  std::complex<long double> sum = potential(x, t) + std::complex<long double>(absorbing_potential(x, t));
  sum.real(sum.real() + charge * static_cast<long double>(x) * field(x, t));
  return std::complex<double>(std::complex<long double>(0, -1 / hbar) * sum);
}

std::complex<double> equation_dE::gauge_phase(double, double) const { return 1; }

#include "well.h"

#include <cmath>
#include <limits>
#include <ostream>

#include "atomic_units.h"
#include "bisection.h"
#include "grid_parameters.h"
#include "messages.h"

using atomic_units::pi;

namespace {

// trunc(value) kept inside the range of int; NaN counts as no state at all.
int truncate_state_count(double value) {
  if (std::isnan(value)) return 0;
  if (value >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(value);
}

}  // namespace

well::well(double a_given, double Uo_given, int level) : message_level(level) {
  if (shows_startup(message_level)) message_stream() << "Inicjacja funkcji wlasnej studni 1D ...\n";
  if (Uo_given > 0 || a_given < 0) error_line("Ostrzezenie: Parametry studni nie sa prawidlowe (zly znak)\n\n");
  a = std::fabs(a_given);
  Uo = std::fabs(Uo_given);
  K0 = std::sqrt(2 * Uo);
  ratio = 2 * K0 * a / pi;
  N = truncate_state_count(ratio + 1.0);
  if (shows_summary(message_level)) {
    message_stream() << "Obliczam energie i funkcje stanow zwiazanych studni potencjalu ...\nParametry studni: a="
                     << a << ", Uo=" << Uo << ", ilosc stanow zwiazanych N=" << N << " (" << ratio << ")\n";
  }
  if (N >= max_states) {
    error_line("Ilosc stanow studni przekracza wymiar tablicy\n\n");
    status = 1;
    return;
  }
  for (int l = 1; 2 * l - 1 <= N; ++l) {
    const int even = 2 * l - 1;
    find_state(even, (even - 1) * pi / (2 * a), even * pi / (2 * a));
    find_state(2 * l, (l - 1) * pi / a, l * pi / a);
  }
}

// Zero of the matching condition at x = a: the cosine (odd n) or the sine
// (even n) inside meets the decaying exponential outside.
long double well::mismatch(int n, double k) const {
  const long double tangent = std::tan(static_cast<long double>(k) * a);
  const long double outside = std::sqrt(static_cast<long double>(K0) * K0 - static_cast<long double>(k) * k);
  if (n % 2 == 1) return k * tangent - outside;
  const long double cotangent = tangent != 0 ? 1 / tangent : 0;
  return -k * cotangent - outside;
}

// Decay constant kappa of the tail exp(-kappa (|x| - a)); E = -kappa^2 / 2.
long double well::decay(int n, long double k) const {
  const long double tangent = std::tan(k * a);
  return n % 2 == 1 ? k * tangent : -k / tangent;
}

// Finds state n, whose wave number lies between lo and hi (before clipping
// to 0..K0); nothing when the window starts above the top of the well.
void well::find_state(int n, double lo, double hi) {
  if (lo >= K0 || n > N) return;
  lo = std::fmax(lo, 0.0);
  hi = std::fmin(hi, K0);
  const double tol = 1e-8 * K0;
  const double k = bisect_root([this, n](double x) { return mismatch(n, x); }, lo + tol, hi - tol, tol);
  wave_numbers[n] = k;
  if (shows_dump(message_level)) {
    message_stream() << "Sprawdz czy bliskie zera: " << static_cast<double>(mismatch(n, k)) << "\n"
                     << "K=" << k << "\n";
  }
  const long double kappa = decay(n, k);
  energies[n] = static_cast<double>(-kappa * kappa / 2);
  if (shows_summary(message_level)) {
    message_stream() << "E[" << n << "]=" << energies[n] << (n % 2 == 1 ? " (stan parzysty)\n" : " (stan nieparzysty)\n");
  }
}

long double well::well_state(int n, long double x) {
  // With too many states none was computed, so none exists.
  if (n < 1 || n > N || N >= max_states) {
    status = 1;
    fatal_line("Odwolanie do nieistniejacego stanu studni potencjalu\n\n");
  }
  const long double k = wave_numbers[n];
  const long double outside = std::fabs(x) - a;
  if (n % 2 == 1) {
    if (outside > 0) return std::exp(-outside * decay(n, k));
    return std::cos(k * x) / std::cos(k * a);
  }
  if (outside > 0) return (x > 0 ? 1 : -1) * std::exp(-outside * decay(n, k));
  return std::sin(k * x) / std::sin(k * a);
}

void well_state_on_grid(const grid_parameters& grid, double x0, int n, double a, double Uo,
                        std::complex<double>* psi, int level) {
  well state(a, Uo, level);
  long double sum = 0;
  for (int i = 1; i <= grid.xdim(); ++i) {
    sum += real_power(static_cast<double>(state.well_state(n, grid.x(i) - x0)), 2);
  }
  const long double c = sum != 0 ? 1 / std::sqrt(sum) : 0;
  if (shows_summary(level)) {
    message_stream() << "Stan wlasny studni (a=" << a << ", Uo=" << Uo << ", n=" << n << "), x0=" << x0
                     << ", N=" << static_cast<double>(c) << "\n";
  }
  for (int i = 1; i <= grid.xdim(); ++i) psi[i] = {static_cast<double>(c * state.well_state(n, grid.x(i) - x0)), 0.0};
}

// The shooting method: bound states of the equation's potential, found by
// integrating the stationary equation inward from both grid ends and
// matching the two values at the potential minimum.
#include "shooting.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include "bisection.h"
#include "equation_base.h"
#include "grid_parameters.h"
#include "messages.h"

using namespace atomic_units;

namespace {

constexpr double energy_step = 1e-4;
constexpr double bisection_accuracy = 1e-30;
constexpr double match_tolerance = 1e-30;

// Tiny start value at the grid ends, so that the growing solutions stay
// within the range of a double.
long double boundary_seed(const grid_parameters& grid) {
  const long double nodes = grid.x_count;
  return 1e-100L / (nodes * nodes);
}

[[noreturn]] void ill_defined_potential() {
  fatal_line("Metoda strzalow: Zle określony potencjal (prawdopodobnie zerowy)\n");
}

[[noreturn]] void state_not_found() { fatal_line("Metoda strzalow: Nie znaleziono rzadanego stanu\n"); }

}  // namespace

// Both integrations need two seeded points before the matching index, so it
// must lie in 3..xdim-2; anything else would read values never computed.
void equation_base::require_matching_index() const {
  if (matching_index < 3 || matching_index > grid.xdim() - 2) ill_defined_potential();
}

long double equation_base::k_squared(int i, double E) const {
  return (potential(static_cast<double>(grid.x(i)), grid.tmin) - E) * (-2 * mass) / (hbar * hbar);
}

long double equation_base::integrate_forward(double E, double* psi) const {
  require_matching_index();
  const int M = matching_index;
  const long double dx2 = static_cast<long double>(grid.dx) * grid.dx;
  std::fill(psi + 1, psi + M + 1, 0.0);
  psi[2] = static_cast<double>(boundary_seed(grid));
  for (int b = 3; b <= M; ++b) psi[b] = static_cast<double>((2 - k_squared(b, E) * dx2) * psi[b - 1] - psi[b - 2]);
  return psi[M];
}

long double equation_base::integrate_backward(double E, double* psi) const {
  require_matching_index();
  const int M = matching_index;
  const int last = grid.xdim();
  const long double dx2 = static_cast<long double>(grid.dx) * grid.dx;
  std::fill(psi + M, psi + last + 1, 0.0);
  psi[last - 1] = static_cast<double>(boundary_seed(grid));
  for (int b = last - 2; b >= M; --b)
    psi[b] = static_cast<double>((2 - k_squared(b, E) * dx2) * psi[b + 1] - psi[b + 2]);
  return psi[M];
}

long double equation_base::shooting_mismatch(double E) const {
  std::vector<double> psi(grid.x_count, 0.0);
  const long double forward = integrate_forward(E, psi.data());
  return forward - integrate_backward(E, psi.data());
}

void equation_base::shooting_state(int n, double* psi) {
  const potential_range range = find_matching_point();
  const bool progress = shows_summary(message_level);
  if (progress) {
    message_stream() << "Metoda strzalow: Minimum potencjalu: V_min=" << static_cast<double>(range.lowest)
                     << ", V_max=" << static_cast<double>(range.highest) << "\n";
    message_stream() << "Metoda strzalow: Szukam punktow separacji dla metody bisekcji dla stanu n=" << n << "\n";
  }
  const energy_bracket bracket = bracket_state(n, range.lowest);
  if (progress)
    message_stream() << "Metoda strzalow: Stan n=" << n << ". Szukam zera pomiedzy " << bracket.low << " a "
                     << bracket.high << "\n";
  const double E =
      bisect_root([this](double e) { return shooting_mismatch(e); }, bracket.low, bracket.high, bisection_accuracy);
  if (progress) message_stream() << "Metoda strzalow: Energia stanu E[n=" << n << "]=" << E << "\n";

  // The backward pass overwrites psi[M] with its own value.
  const long double forward = integrate_forward(E, psi);
  const long double backward = integrate_backward(E, psi);
  if (std::fabs(forward - backward) > match_tolerance) {
    error_stream() << "\n\t*** Metoda strzalow: Funkcja falowa dla wyznaczonej energii nie spelnia warunku Psi(xmax)="
                   << static_cast<double>(std::fabs(forward - backward)) << "0\n\n";
    sound_alarm();
  }
  normalise(psi);
}

equation_base::potential_range equation_base::find_matching_point() {
  const double t0 = grid.tmin;
  // The integrations meet at the lowest point of the potential.
  long double Vmin = potential(grid.xmin, t0), Vmax = Vmin;
  for (int i = 1; i <= grid.xdim(); ++i) {
    const long double v = potential(static_cast<double>(grid.x(i)), t0);
    if (v < Vmin) {
      Vmin = v;
      matching_index = i;
    }
    if (v > Vmax) Vmax = v;
  }
  if (!(Vmin < Vmax) || !std::isfinite(Vmin)) ill_defined_potential();
  require_matching_index();
  return {Vmin, Vmax};
}

equation_base::energy_bracket equation_base::bracket_state(int n, long double Vmin) const {
  // Scan upward from the minimum. State n lies between the (n-1)-th and the
  // n-th sign change of the mismatch; the bracket ends are the energies of
  // largest mismatch around it.
  double Elo = static_cast<double>(Vmin), Ehi = Elo;
  long double previous = shooting_mismatch(Elo);
  long double peak = 0;
  int count = 0;
  double last_E = Elo;
  for (int j = 1; n >= 0 && count <= n; ++j) {
    const double E = static_cast<double>(j * static_cast<long double>(energy_step) + Vmin);
    // Only bound states are sought; a scan that no longer advances (or runs
    // out of steps) would never get there.
    if (E > 0 || !(E > last_E) || j == INT_MAX) state_not_found();
    last_E = E;
    const long double d = shooting_mismatch(E);
    if (std::fabs(d) > peak) {
      peak = std::fabs(d);
      Ehi = E;
    }
    if (!(d / previous >= 0)) {  // a sign change, or no number at all
      if (count > 0 && count < n) Elo = Ehi;
      peak = 0;
      previous = d;
      ++count;
    }
  }
  return {Elo, Ehi};
}

// To a plain sum of squares of 1; a state that is zero everywhere stays so.
void equation_base::normalise(double* psi) const {
  long double sum = 0;
  for (int i = 1; i <= grid.xdim(); ++i) sum += static_cast<long double>(psi[i]) * psi[i];
  const long double scale = sum != 0 ? 1 / std::sqrt(sum) : 0;
  for (int i = 1; i <= grid.xdim(); ++i) psi[i] = static_cast<double>(scale * psi[i]);
}

void shooting_state_on_grid(const grid_parameters& grid, equation_base& equation, int n, std::complex<double>* psi,
                            int level) {
  std::vector<double> state(grid.x_count, 0.0);
  equation.shooting_state(n, state.data());
  for (int i = 1; i <= grid.xdim(); ++i) psi[i] = {state[i], 0.0};
  if (shows_summary(level)) message_stream() << "Stan wlasny znaleziony metoda strzalow (n=" << n << ")\n";
}

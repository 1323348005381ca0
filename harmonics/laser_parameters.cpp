#include "laser_parameters.h"

#include <cmath>
#include <complex>
#include <vector>

#include "equation_dE.h"
#include "file_names.h"
#include "grid_parameters.h"
#include "messages.h"
#include "shooting.h"
#include "wavefunction_parameters.h"
#include "well.h"

namespace {

// The core objects say nothing but their errors.
constexpr int quiet = 2;

// <psi|H|psi> / <psi|psi> with H = -1/2 (second difference) + V on the
// interior nodes and psi = 0 beyond them.
double lattice_energy(const grid_parameters& grid, const equation_base& equation,
                      const std::vector<std::complex<double>>& psi) {
  const int xdim = grid.xdim();
  const long double inverse_dx2 = 1 / (static_cast<long double>(grid.dx) * grid.dx);
  auto at = [&](int i) { return i >= 1 && i <= xdim ? psi[i].real() : 0.0; };
  long double energy = 0, norm = 0;
  for (int i = 1; i <= xdim; ++i) {
    const long double value = at(i);
    const long double kinetic = -0.5L * (at(i + 1) - 2 * value + at(i - 1)) * inverse_dx2;
    energy += value * (kinetic + equation.potential(static_cast<double>(grid.x(i)), grid.tmin) * value);
    norm += value * value;
  }
  return static_cast<double>(energy / norm);
}

}  // namespace

int initial_state_energy(const grid_parameters& grid, equation_base& equation, const std::string& psi_file,
                         bool& known, double& energy) {
  known = false;
  wavefunction_parameters values;
  if (read_wavefunction_parameters(psi_file, values) != 0) return 1;
  const int kind = values.typ_funkcji_pocz, n = values.n;
  if (kind == well_eigenstate) {
    well states(values.a, values.k, quiet);  // half-width and depth
    if (states.status != 0 || n > states.N) {
      error_line_with_file("Blad: stan studni o numerze " + std::to_string(n) + " nie istnieje!", psi_file);
      return 1;
    }
    energy = states.energies[n];
    known = true;
  } else if (kind == shooting_eigenstate) {
    std::vector<std::complex<double>> psi(grid.x_count);
    shooting_state_on_grid(grid, equation, n, psi.data(), quiet);
    energy = lattice_energy(grid, equation, psi);
    known = std::isfinite(energy);
  }
  return 0;
}

int read_laser_parameters(const spectrum_options& options, laser_parameters& laser) {
  grid_parameters grid(file_name(grid_file_name), quiet);
  if (grid.status != 0) return 1;
  equation_dE equation(file_name(equation_file_name), grid, quiet);
  if (equation.status != 0) return 1;
  // The sign of w only shifts the phase of the carrier.
  laser.w = std::fabs(equation.w);
  laser.Eo = equation.Eo;
  if (!(laser.w != 0) || !std::isfinite(laser.w)) {
    error_line_with_file("Blad: czestosc lasera w rowna 0, brak skali rzedow harmonicznych!",
                         file_name(equation_file_name));
    return 1;
  }
  laser.up = laser.Eo * laser.Eo / (4 * laser.w * laser.w);
  if (options.ip_given) {
    laser.ip = options.ip;
    laser.ip_known = true;
    return 0;
  }
  double energy = 0;
  if (initial_state_energy(grid, equation, file_name(wavefunction_file_name), laser.ip_known, energy) != 0) return 1;
  laser.ip = -energy;
  return 0;
}

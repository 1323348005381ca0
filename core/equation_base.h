// The equation of a run besides grid and wavefunction: binding potential,
// external field with its pulse envelope, absorbing potential, mixed-gauge
// switch, nonlinearity, read from the equation parameter file ("1d-eq.par").
// The two gauge variants (equation_dE, equation_pA) derive from it; the
// shooting method for eigenstates of the potential is one of its operations.
#pragma once

#include <complex>
#include <string>

#include "atomic_units.h"
#include "parameter_kinds.h"

class grid_parameters;

// The carrier of the external field: its phase at x and t is
//   w t - k x + phi + w2 t^2 + w3 sin(w4 t).
struct carrier_wave {
  double w = 0, k = 0, phi = 0, w2 = 0, w3 = 0, w4 = 0;
  long double phase(double x, double t) const;
};

class equation_base {
 public:
  // Prints "Inicjacja rownania Schrodingera (klasa bazowa) ...\n" (level
  // below 2), sets the defaults, reads file_name (cut to 999 characters) and
  // sets status; prints the summary at level below 1. The grid is not owned
  // and must outlive the equation. Callers test status (0 good, 1 error).
  equation_base(const std::string& file_name, const grid_parameters& grid, int message_level);
  virtual ~equation_base() = default;
  equation_base(const equation_base&) = delete;
  equation_base& operator=(const equation_base&) = delete;

  // Gauge operations, supplied by equation_dE / equation_pA: the equation is
  //   dpsi/dt = K d2psi/dx2 + P dpsi/dx + Q psi.
  virtual std::complex<double> drift_coefficient(double x, double t) const = 0;      // P(x,t)
  virtual std::complex<double> potential_coefficient(double x, double t) const = 0;  // Q(x,t)
  // G(x,t): the factor the projections apply to each psi value.
  virtual std::complex<double> gauge_phase(double x, double t) const = 0;

  long double potential(double x, double t) const;  // V(x,t); t is ignored
  long double field(double x, double t) const;      // E(x,t)
  long double envelope(double t) const;             // f(t)
  carrier_wave carrier() const { return {w, k, phi, w2, w3, w4}; }
  std::complex<double> absorbing_potential(double x, double t) const;  // U_abs(x,t); t ignored

  // Write "v(x).dat" / "e(t).dat" (names from file_names.h, potential_file_name
  // and field_file_name) when v_save / e_save allow it; the potential at time t.
  // False when the file could not be written whole: its error line has then
  // been printed, and nothing cut is left under its name.
  bool save_potential(const std::string& file_name, double t) const;
  bool save_field(const std::string& file_name) const;

  // False when a coefficient of the equation is not a finite number on the
  // grid (parameters whose products overflow); sampled at every point at the
  // start and at the ends and middle later on.
  bool coefficients_finite() const;

  // Shooting method (shooting.cpp). Fills psi[1..xdim] (psi has grid.x_count
  // elements) with bound state n of the potential at tmin, normalised to a
  // plain sum of squares of 1; sets matching_index. A flat potential, a
  // potential whose minimum lies at the first or last two grid points, no
  // state below 0 and a failed bisection end through the fatal ending.
  void shooting_state(int n, double* psi);
  // Integrations from the grid ends to matching_index (which must lie in
  // 3..xdim-2, else fatal); each returns psi[matching_index].
  long double integrate_forward(double E, double* psi) const;
  long double integrate_backward(double E, double* psi) const;
  // Forward minus backward value at matching_index for energy E.
  long double shooting_mismatch(double E) const;

  int status = 0;  // 0 after a successful read, 1 after an error
  std::complex<double> kinetic_coefficient;  // K = i hbar / (2 m)
  double nieliniowosc_SN = 0;                // nonlinearity constant
  std::string name;                          // equation file name
  int message_level = 1;
  int typ_potencjalu = no_potential;
  const grid_parameters& grid;
  double version = 0;
  double Vo = 0, a = 0, Ec = 0, Eo = 0, w = 0, k = 0;
  double w2 = 0, w3 = 0, w4 = 0;
  double phi = 0;
  int typ_obwiedni = rectangular_envelope;
  double T1 = 0, T2 = 0;
  int pA_cechowanie_mieszane = 0;  // mixed gauge: any non-zero value switches it on
  int typ_pot_absorb = no_absorber;
  double Uo_abs = 0, a_abs = 0, Uor_abs = 0;
  double Nr_abs = 1.0, Ni_abs = 1.0;
  // Writing of the potential / field file. A file that ends before them
  // keeps the wizard's choice: potential on, field off.
  int v_save = 1, e_save = 0;
  // Writing of the dipole file ("1d-dipole.dat") at every time node; off
  // when the file ends before it.
  int d_save = 0;
  std::string label = "klasa bazowa";  // "wersja dE" / "wersja pA" in the variants
  int matching_index = 0;              // grid index where the shooting integrations meet

 private:
  int read_file();
  void print_summary() const;
  // Tells at the summary level whether the file is written (saving) or not
  // (blocked); returns allowed.
  bool announce_save(bool allowed, const char* blocked, const char* saving, const std::string& file_name) const;
  // The three parts of shooting_state: the matching point at the lowest
  // point of the potential, the energies that bracket state n, and the
  // normalisation of the state found.
  struct potential_range {
    long double lowest, highest;
  };
  struct energy_bracket {
    double low, high;
  };
  potential_range find_matching_point();
  energy_bracket bracket_state(int n, long double Vmin) const;
  void normalise(double* psi) const;
  void require_matching_index() const;
  long double k_squared(int i, double E) const;
};

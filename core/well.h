// Bound states of a finite square well, found analytically: the number of
// states, their wave numbers (by bisection of the matching conditions), their
// energies and eigenfunctions; and the laying of one state onto the grid as
// an initial wavefunction.
#pragma once

#include <array>
#include <complex>

class grid_parameters;

// The well is -Uo for -a <= x <= a and 0 outside (hbar = m = 1). States are
// numbered 1..N by energy; odd n have even parity (cosine inside), even n
// odd parity (sine inside).
class well {
 public:
  // a is the half-width, Uo the depth (expected a >= 0, Uo <= 0; wrong signs
  // warn and are replaced by the absolute values). Computes N and every
  // wave number and energy; N >= 100 sets status 1 and computes nothing.
  well(double a, double Uo, int message_level);

  // Eigenfunction n at x, not normalised: 1 at x = a, +-1 at x = -a by
  // parity. n outside 1..N sets status 1 and is fatal.
  long double well_state(int n, long double x);

  static constexpr int max_states = 100;  // array size; states use 1..99

  int status = 0;  // 0, or 1 after too many states or a non-existent state
  int message_level = 1;
  double a = 0;      // half-width, abs of the value given
  double Uo = 0;     // depth, abs of the value given
  double K0 = 0;     // sqrt(2 Uo), the wave number at the top of the well
  double ratio = 0;  // 2 K0 a / pi
  int N = 0;         // number of bound states, trunc(ratio + 1)
  std::array<double, max_states> energies{};      // E[1..N]; element 0 unused
  std::array<double, max_states> wave_numbers{};  // k[1..N]; element 0 unused

 private:
  void find_state(int n, double lo, double hi);
  long double mismatch(int n, double k) const;
  long double decay(int n, long double k) const;
};

// Writes state n of the well (a, Uo), centred at x0, into psi[1..xdim] as
// (value, 0), normalised so that the plain sum of |psi[i]|^2 is 1 (no dx).
// psi has grid.x_count elements; psi[0] is left alone. level gates the
// well's messages and the summary line. A non-existent state is fatal.
void well_state_on_grid(const grid_parameters& grid, double x0, int n, double a, double Uo,
                        std::complex<double>* psi, int level);

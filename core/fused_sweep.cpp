// The time step in two passes over the grid: the substitution that yields
// the new state and sums its quantities, and the pass from the last node to
// the first that builds the next system and eliminates it at once. Both use
// the solver's own row arithmetic, so the results are those of
// solve_tridiagonal on the system that prepare_coefficients builds.
#include <cstdlib>

#include "crank_nicolson_rows.h"
#include "equation_sampler.h"
#include "grid_parameters.h"
#include "tridiagonal.h"
#include "wavefunction.h"

namespace row = tridiagonal_row;
using complex = std::complex<double>;

bool wavefunction::eliminate_transition(int j) {
  if (!X_ || !Y_) {
    // Without room for the rows the straightforward way remains, and the
    // solver reports a shortage of memory itself.
    const std::size_t bytes = static_cast<std::size_t>(N) * sizeof(complex);
    X_.reset(static_cast<complex*>(std::malloc(bytes)));
    Y_.reset(static_cast<complex*>(std::malloc(bytes)));
    if (!X_ || !Y_) {
      X_.reset();
      Y_.reset();
      return false;
    }
  }
  sampler_->begin(static_cast<double>(grid.t(j)), static_cast<double>(grid.t(j + 1)));
  switch (sampler_->pass_mode()) {
    case sampling_mode::uniform: return eliminate_rows<sampling_mode::uniform>();
    case sampling_mode::carrier: return eliminate_rows<sampling_mode::carrier>();
    default: return eliminate_rows<sampling_mode::general>();
  }
}

// False when the right-hand side is zero or a pivot is: the solver then
// takes the system and reports it.
template <sampling_mode Mode>
bool wavefunction::eliminate_rows() {
  const crank_nicolson_rows rows(*equation, grid);
  equation_sampler& sampler = *sampler_;
  const complex* current = psi.get();
  complex* X = X_.get();
  complex* Y = Y_.get();
  // The row below is carried in registers: reading it back from the
  // arrays would put a store and a load on the sweep's critical path.
  complex x_below = 0, y_below = 0;
  X[N - 1] = Y[N - 1] = 0;
  bool homogeneous = true;
  for (int i = N - 1; i >= 1; --i) {
    node_coefficients now, next;
    sampler.node<Mode>(i, now, next);
    complex A, B, C, D;
    rows.build(now, next, current + i, A, B, C, D);
    if (i == N - 1) A = 0;
    if (i == 1) C = 0;
    homogeneous = homogeneous && D == 0.0;
    complex x, y;
    if (!row::eliminate(A, B, C, D, x_below, y_below, x, y)) return false;
    X[i - 1] = x_below = x;
    Y[i - 1] = y_below = y;
  }
  return !homogeneous;
}

wavefunction::quantity_sums wavefunction::substitute_and_sum() {
  quantity_sums sums;
  sums.summed = true;
  if (sampler_->unit_gauge_phase()) {
    substitute_rows<false>(sums, nullptr);
  } else {
    substitute_rows<true>(sums, sampler_->gauge_phases(static_cast<double>(grid.t(step))));
  }
  return sums;
}

// Each sum runs in extended precision from the first node to the last, as
// compute_norm, compute_mean_position and compute_overlap run theirs, on the
// same terms.
template <bool WithPhase>
void wavefunction::substitute_rows(quantity_sums& sums, const complex* G) {
  const complex* X = X_.get();
  const complex* Y = Y_.get();
  const complex* start = initial.get();
  const equation_sampler& sampler = *sampler_;
  complex* f = psi.get();
  long double norm_sum = 0, position_sum = 0, re = 0, im = 0;
  f[0] = 0;
  complex value = 0;
  for (int i = 1; i < N; ++i) {
    value = row::substitute(X[i - 1], value, Y[i - 1]);
    f[i] = value;
    const double density = std::norm(value);
    norm_sum += density;
    position_sum += sampler.x(i) * density;
    complex term;
    if constexpr (WithPhase) term = std::conj(start[i]) * (G[i] * value);
    else term = std::conj(start[i]) * value;
    re += term.real();
    im += term.imag();
  }
  sums.norm = norm_sum;
  sums.position = position_sum;
  sums.overlap_re = re;
  sums.overlap_im = im;
}

// The equation's coefficients P(x_i,t) and Q(x_i,t) at the interior grid
// nodes, served to the time step for the two times of each transition.
//
// The time step needs both coefficients at every node and at two times for
// every step. When the field does not depend on x (k = 0) in one of the two
// gauges, Q is a time-independent part, V + U_abs, computed once per run,
// plus a term that a few numbers per time describe; otherwise the values of
// the later time are kept so that each (node, time) pair is evaluated once.
#pragma once

#include <complex>
#include <vector>

#include "equation_base.h"

class grid_parameters;

struct node_coefficients {
  std::complex<double> P, Q;
};

class equation_sampler {
 public:
  // Allocates its per-node storage (throws std::bad_alloc when it cannot).
  equation_sampler(const grid_parameters& grid, const equation_base& equation);

  // Starts a pass over the nodes for the transition from t to t_next.
  void begin(double t, double t_next);
  // P and Q at node i (1..xdim) for t and for t_next of the current pass.
  // Each node must be visited once per pass, after begin.
  void at_node(int i, node_coefficients& now, node_coefficients& next) {
    if (uniform_) node<true>(i, now, next);
    else node<false>(i, now, next);
  }
  // The same, for a pass that has tested uniform() once for all its nodes.
  template <bool Uniform>
  void node(int i, node_coefficients& now, node_coefficients& next) {
    if constexpr (Uniform) {
      now = uniform_at(i, now_);
      next = uniform_at(i, next_);
    } else {
      general_at(i, now, next);
    }
  }

  // x_i as the equation receives it.
  double x(int i) const { return x_[i]; }
  // True when G(x,t) is 1 everywhere, so projections may skip it.
  bool unit_gauge_phase() const { return unit_gauge_phase_; }
  // G(x_i,t) for i = 1..xdim (element 0 unused), computed once per time and
  // shared by the overlap and the projection of a time node. Only when the
  // gauge phase is not 1 everywhere.
  const std::complex<double>* gauge_phases(double t);
  // True when the fast path for a field uniform in x is in use.
  bool uniform() const { return uniform_; }

 private:
  // Per time: P = drift, Q = (-i/hbar)(V + U_abs + slope*x + offset). In
  // doubles, like the rest of the time step: the equation evaluates Q in
  // extended precision, and the two agree to the last bit or two.
  struct uniform_terms {
    double drift = 0, slope = 0, offset = 0;
  };
  uniform_terms terms_at(double t) const;
  node_coefficients uniform_at(int i, const uniform_terms& terms) const {
    const double real = static_part_[i].real() + terms.slope * x_[i] + terms.offset;
    // (-i/hbar)(real + i imag) = (imag - i real)/hbar
    return {terms.drift, {static_part_[i].imag() / atomic_units::hbar, -real / atomic_units::hbar}};
  }
  void general_at(int i, node_coefficients& now, node_coefficients& next);

  const grid_parameters& grid_;
  const equation_base& equation_;
  bool uniform_ = false;
  bool unit_gauge_phase_ = false;
  bool is_pA_ = false;
  std::vector<double> x_;
  // Uniform field: V + U_abs per node, and the terms of the two times.
  std::vector<std::complex<double>> static_part_;
  uniform_terms now_, next_;
  double next_time_ = 0;
  bool have_next_ = false;
  // Otherwise: P and Q at the time `cached_time_` per node.
  std::vector<std::complex<double>> P_, Q_;
  double cached_time_ = 0;
  bool have_cache_ = false;
  double next_t_ = 0;
  // G(x_i,t) at `phase_time_`.
  std::vector<std::complex<double>> phase_;
  double phase_time_ = 0;
  bool have_phase_ = false;
};

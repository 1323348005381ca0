// The equation's coefficients P(x_i,t) and Q(x_i,t) at the interior grid
// nodes, served to the time step for the two times of each transition.
//
// The time step needs both coefficients at every node and at two times for
// every step. In the two gauges Q is a time-independent part, V + U_abs,
// computed once per run, plus a term of the field that a few numbers per
// time describe: a field uniform in x adds slope*x + offset; a carrier that
// varies in x (k != 0) is split as cos(phase - k x) = cos(phase) cos(k x) +
// sin(phase) sin(k x), with the factors of k x kept per node. For any other
// equation the values of the later time are kept so that each (node, time)
// pair is evaluated once.
#pragma once

#include <complex>
#include <vector>

#include "equation_base.h"

class grid_parameters;

// How the sampler forms the coefficients of a node (see above).
enum class sampling_mode { uniform, carrier, general };

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
    switch (mode_) {
      case sampling_mode::uniform: node<sampling_mode::uniform>(i, now, next); break;
      case sampling_mode::carrier: node<sampling_mode::carrier>(i, now, next); break;
      case sampling_mode::general: node<sampling_mode::general>(i, now, next); break;
    }
  }
  // The same, for a pass that has asked for the mode once for all its nodes.
  template <sampling_mode Mode>
  void node(int i, node_coefficients& now, node_coefficients& next) {
    if constexpr (Mode == sampling_mode::uniform) {
      now = uniform_at(i, now_);
      next = uniform_at(i, next_);
    } else if constexpr (Mode == sampling_mode::carrier) {
      now = carrier_at(i, now_);
      next = carrier_at(i, next_);
    } else {
      general_at(i, now, next);
    }
  }
  sampling_mode pass_mode() const { return mode_; }

  // x_i as the equation receives it.
  double x(int i) const { return x_[i]; }
  // True when G(x,t) is 1 everywhere, so projections may skip it.
  bool unit_gauge_phase() const { return unit_gauge_phase_; }
  // G(x_i,t) for i = 1..xdim (element 0 unused), computed once per time and
  // shared by the overlap and the projection of a time node. Only when the
  // gauge phase is not 1 everywhere.
  const std::complex<double>* gauge_phases(double t);

 private:
  // Per time, in doubles like the rest of the time step (the equation
  // evaluates Q in extended precision; the two agree to the last bit or
  // two). Uniform field: P = drift, Q = (-i/hbar)(V + U_abs + slope*x +
  // offset). Carrier varying in x, with s(x) = a0 + a1 cos(kx) + a2 sin(kx):
  // in the length gauge Q = (-i/hbar)(V + U_abs + x s(x)) and P = 0; in the
  // velocity gauge s is the vector potential, P = q s/m and
  // Q = (-i/hbar)(V + U_abs + q^2 s^2/2m).
  struct time_terms {
    double drift = 0, slope = 0, offset = 0;
    double a0 = 0, a1 = 0, a2 = 0;
  };
  time_terms terms_at(double t) const;
  time_terms carrier_terms_at(double t) const;
  static std::complex<double> potential_term(std::complex<double> static_part, double real) {
    // (-i/hbar)(real + i imag) = (imag - i real)/hbar
    return {static_part.imag() / atomic_units::hbar, -real / atomic_units::hbar};
  }
  node_coefficients uniform_at(int i, const time_terms& terms) const {
    const double real = static_part_[i].real() + terms.slope * x_[i] + terms.offset;
    return {terms.drift, potential_term(static_part_[i], real)};
  }
  node_coefficients carrier_at(int i, const time_terms& terms) const {
    const double s = terms.a0 + terms.a1 * carrier_[i].real() + terms.a2 * carrier_[i].imag();
    if (is_pA_) {
      using namespace atomic_units;
      const double real = static_part_[i].real() + charge * charge * s * s / (2 * mass);
      return {charge * s / mass, potential_term(static_part_[i], real)};
    }
    return {0.0, potential_term(static_part_[i], static_part_[i].real() + x_[i] * s)};
  }
  void general_at(int i, node_coefficients& now, node_coefficients& next);

  const grid_parameters& grid_;
  const equation_base& equation_;
  sampling_mode mode_ = sampling_mode::general;
  bool unit_gauge_phase_ = false;
  bool is_pA_ = false;
  std::vector<double> x_;
  // Uniform field or carrier: V + U_abs per node, the terms of the two
  // times, and for the carrier (cos(k x_i), sin(k x_i)).
  std::vector<std::complex<double>> static_part_, carrier_;
  time_terms now_, next_;
  double next_time_ = 0;
  bool have_next_ = false;
  // Otherwise: P and Q at the time `cached_time_` per node.
  std::vector<std::complex<double>> P_, Q_;
  double cached_time_ = 0;
  bool have_cache_ = false;
  double next_t_ = 0;
  // G(x_i,t) at `phase_time_`, and the phases of the offsets within a block.
  std::vector<std::complex<double>> phase_, block_phase_;
  double phase_time_ = 0;
  bool have_phase_ = false;
};

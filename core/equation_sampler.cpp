#include "equation_sampler.h"

#include <cmath>
#include <typeinfo>

#include "equation_dE.h"
#include "equation_pA.h"
#include "grid_parameters.h"

using namespace atomic_units;

equation_sampler::equation_sampler(const grid_parameters& grid, const equation_base& equation)
    : grid_(grid), equation_(equation), x_(grid.x_count) {
  for (int i = 1; i <= grid.xdim(); ++i) x_[i] = static_cast<double>(grid.x(i));

  // Only the two gauges as they are defined here have the known structure.
  const bool is_dE = typeid(equation) == typeid(equation_dE);
  is_pA_ = typeid(equation) == typeid(equation_pA);
  unit_gauge_phase_ = is_dE || (is_pA_ && equation.pA_cechowanie_mieszane != 0);
  if (is_dE || is_pA_) mode_ = equation.k == 0 ? sampling_mode::uniform : sampling_mode::carrier;

  if (mode_ != sampling_mode::general) {
    // V and U_abs do not depend on time.
    static_part_.resize(grid.x_count);
    const double t = grid.tmin;
    for (int i = 1; i <= grid.xdim(); ++i) {
      static_part_[i] = std::complex<double>(equation.potential(x_[i], t) +
                                             std::complex<long double>(equation.absorbing_potential(x_[i], t)));
    }
  } else {
    P_.resize(grid.x_count);
    Q_.resize(grid.x_count);
  }
  if (mode_ == sampling_mode::carrier) {
    carrier_.resize(grid.x_count);
    for (int i = 1; i <= grid.xdim(); ++i) {
      const long double kx = equation.k * static_cast<long double>(x_[i]);
      carrier_[i] = {static_cast<double>(std::cos(kx)), static_cast<double>(std::sin(kx))};
    }
  }
  if (!unit_gauge_phase_) phase_.resize(grid.x_count);
}

equation_sampler::time_terms equation_sampler::terms_at(double t) const {
  if (mode_ == sampling_mode::carrier) return carrier_terms_at(t);
  time_terms terms;
  if (is_pA_) {
    const long double A = static_cast<const equation_pA&>(equation_).vector_potential(0, t);
    terms.drift = static_cast<double>(charge * A / mass);
    terms.offset = static_cast<double>(charge * charge * A * A / (2 * mass));
  } else {
    terms.slope = static_cast<double>(charge * equation_.field(0, t));
  }
  return terms;
}

// The field or vector potential of equation_dE / equation_pA with the
// carrier's angle split into the time's phase and the node's k x.
equation_sampler::time_terms equation_sampler::carrier_terms_at(double t) const {
  const equation_base& e = equation_;
  const long double time = t;
  long double a0 = 0, a1 = 0, a2 = 0;
  if (is_pA_ && e.w == 0) {
    // A = -Ec t - Eo t cos(phi - k x), without envelope or chirp.
    a0 = -e.Ec * time;
    a1 = -e.Eo * time * std::cos(static_cast<long double>(e.phi));
    a2 = -e.Eo * time * std::sin(static_cast<long double>(e.phi));
  } else if (is_pA_) {
    // A = -Ec t - (Eo/w) f(t) sin(phase - k x)
    const long double amplitude = (e.Eo / static_cast<long double>(e.w)) * e.envelope(t);
    const long double phase = e.carrier().phase(0, t);
    a0 = -e.Ec * time;
    a1 = -amplitude * std::sin(phase);
    a2 = amplitude * std::cos(phase);
  } else {
    // q x E = x (q Ec + q Eo f(t) cos(phase - k x))
    const long double amplitude = charge * e.Eo * e.envelope(t);
    const long double phase = e.carrier().phase(0, t);
    a0 = charge * static_cast<long double>(e.Ec);
    a1 = amplitude * std::cos(phase);
    a2 = amplitude * std::sin(phase);
  }
  time_terms terms;
  terms.a0 = static_cast<double>(a0);
  terms.a1 = static_cast<double>(a1);
  terms.a2 = static_cast<double>(a2);
  return terms;
}

void equation_sampler::begin(double t, double t_next) {
  if (mode_ != sampling_mode::general) {
    now_ = have_next_ && next_time_ == t ? next_ : terms_at(t);
    next_ = terms_at(t_next);
    next_time_ = t_next;
    have_next_ = true;
    return;
  }
  if (!have_cache_ || cached_time_ != t) {
    for (int i = 1; i <= grid_.xdim(); ++i) {
      P_[i] = equation_.drift_coefficient(x_[i], t);
      Q_[i] = equation_.potential_coefficient(x_[i], t);
    }
  }
  next_t_ = t_next;
  cached_time_ = t_next;  // the pass replaces every node's values by those at t_next
  have_cache_ = true;
}

void equation_sampler::general_at(int i, node_coefficients& now, node_coefficients& next) {
  now = {P_[i], Q_[i]};
  P_[i] = equation_.drift_coefficient(x_[i], next_t_);
  Q_[i] = equation_.potential_coefficient(x_[i], next_t_);
  next = {P_[i], Q_[i]};
}

const std::complex<double>* equation_sampler::gauge_phases(double t) {
  if (have_phase_ && phase_time_ == t) return phase_.data();
  const int xdim = grid_.xdim();
  if (is_pA_) {
    // exp((-i/hbar) q x A(0,t)) with the vector potential once per time: at
    // the first node of each block of nodes from the node's own angle, at the
    // others as that value turned by the phase of the offset m dx, so that a
    // time node costs one cosine and sine per block and not per node.
    constexpr int block = 64;
    const long double A = static_cast<const equation_pA&>(equation_).vector_potential(0, t);
    block_phase_.resize(block);
    for (int m = 1; m < block; ++m) {
      const long double angle = -charge * (m * static_cast<long double>(grid_.dx)) * A / hbar;
      block_phase_[m] = std::polar(1.0, static_cast<double>(angle));
    }
    for (int first = 1; first <= xdim; first += block) {
      const long double angle = -charge * static_cast<long double>(x_[first]) * A / hbar;
      const std::complex<double> base = std::polar(1.0, static_cast<double>(angle));
      phase_[first] = base;
      for (int m = 1; m < block && first + m <= xdim; ++m) phase_[first + m] = base * block_phase_[m];
    }
  } else {
    for (int i = 1; i <= xdim; ++i) phase_[i] = equation_.gauge_phase(x_[i], t);
  }
  phase_time_ = t;
  have_phase_ = true;
  return phase_.data();
}

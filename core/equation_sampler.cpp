#include "equation_sampler.h"

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
  uniform_ = (is_dE || is_pA_) && equation.k == 0;

  if (uniform_) {
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
  if (!unit_gauge_phase_) phase_.resize(grid.x_count);
}

equation_sampler::uniform_terms equation_sampler::terms_at(double t) const {
  uniform_terms terms;
  if (is_pA_) {
    const long double A = static_cast<const equation_pA&>(equation_).vector_potential(0, t);
    terms.drift = static_cast<double>(charge * A / mass);
    terms.offset = static_cast<double>(charge * charge * A * A / (2 * mass));
  } else {
    terms.slope = static_cast<double>(charge * equation_.field(0, t));
  }
  return terms;
}

void equation_sampler::begin(double t, double t_next) {
  if (uniform_) {
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
  if (is_pA_) {
    // exp((-i/hbar) q x A(0,t)): the vector potential once per time instead
    // of once per node; the angle is the same product the equation forms.
    const long double A = static_cast<const equation_pA&>(equation_).vector_potential(0, t);
    for (int i = 1; i <= grid_.xdim(); ++i) {
      const long double angle = -charge * static_cast<long double>(x_[i]) * A / hbar;
      phase_[i] = std::polar(1.0, static_cast<double>(angle));
    }
  } else {
    for (int i = 1; i <= grid_.xdim(); ++i) phase_[i] = equation_.gauge_phase(x_[i], t);
  }
  phase_time_ = t;
  have_phase_ = true;
  return phase_.data();
}

#include "equation_sampler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "core_capture.h"
#include "equation_dE.h"
#include "equation_pA.h"
#include "grid_parameters.h"

namespace {

using cplx = std::complex<double>;

// Equation file: typ_potencjalu Vo a / Ec Eo w k phi / w2 w3 w4 / typ_obwiedni T1 T2 /
// pA_cechowanie_mieszane / typ_pot_absorb Uo_abs a_abs / Uor_abs Nr_abs Ni_abs / SN / v_save e_save
struct Sampler : ::testing::Test {
  core_capture capture;
  grid_parameters grid{(core_capture::write_file("g.par", "1 203 -10 10 40 0 0.05"), "g.par"), 2};

  std::unique_ptr<equation_base> make(int gauge, const std::string& text) {
    core_capture::write_file("e.par", text);
    if (gauge == 0) return std::make_unique<equation_dE>("e.par", grid, 2);
    return std::make_unique<equation_pA>("e.par", grid, 2);
  }

  // The sampler's P and Q at every node and both times of a few passes
  // against the equation's own operations.
  void expect_equation_values(const equation_base& equation) {
    equation_sampler sampler(grid, equation);
    for (double t : {0.0, 0.35, 1.7, 9.05}) {
      const double t_next = t + grid.dt;
      sampler.begin(t, t_next);
      for (int i = 1; i <= grid.xdim(); ++i) {
        node_coefficients now, next;
        sampler.at_node(i, now, next);
        const double x = sampler.x(i);
        expect_close(now.P, equation.drift_coefficient(x, t), i, t);
        expect_close(now.Q, equation.potential_coefficient(x, t), i, t);
        expect_close(next.P, equation.drift_coefficient(x, t_next), i, t_next);
        expect_close(next.Q, equation.potential_coefficient(x, t_next), i, t_next);
      }
    }
  }
  static void expect_close(cplx actual, cplx expected, int i, double t) {
    EXPECT_LE(std::abs(actual - expected), 1e-13 * std::max(1.0, std::abs(expected))) << "node " << i << ", t=" << t;
  }
};

TEST_F(Sampler, FieldTermsFollowTheEquationInBothGauges) {
  // Soft core, Kosloff absorber, sin^2 envelope; a chirped carrier with
  // k = 0.3, then the same uniform in x, then a static field varying in x.
  const std::string carrier = "1  2 -1 1  0.02 0.4 0.9 0.3 0.25  0.01 0.3 0.7  2 3 5  0  1 0.5 2  0 1 1  0  0 0";
  const std::string uniform = "1  2 -1 1  0.02 0.4 0.9 0 0.25  0.01 0.3 0.7  2 3 5  0  1 0.5 2  0 1 1  0  0 0";
  const std::string static_wave = "1  2 -1 1  0.02 0.4 0 0.3 0.25  0 0 0  2 3 5  0  1 0.5 2  0 1 1  0  0 0";
  for (int gauge : {0, 1}) {
    for (const std::string& text : {carrier, uniform, static_wave}) {
      SCOPED_TRACE("gauge " + std::to_string(gauge) + ": " + text);
      const auto equation = make(gauge, text);
      ASSERT_EQ(equation->status, 0);
      expect_equation_values(*equation);
    }
  }
}

TEST_F(Sampler, VelocityGaugePhaseTableFollowsTheEquation) {
  // 203 nodes: three whole blocks and a partial one.
  const auto equation = make(1, "1  0 0 0  0.3 0.5 0.8 0.1 0  0 0 0  0 0 0  0  0 0 0  0 1 1  0  0 0");
  equation_sampler sampler(grid, *equation);
  ASSERT_FALSE(sampler.unit_gauge_phase());
  for (double t : {0.5, 7.25}) {
    const cplx* G = sampler.gauge_phases(t);
    for (int i = 1; i <= grid.xdim(); ++i) {
      EXPECT_LE(std::abs(G[i] - equation->gauge_phase(sampler.x(i), t)), 1e-13) << "node " << i << ", t=" << t;
    }
  }
}

}  // namespace

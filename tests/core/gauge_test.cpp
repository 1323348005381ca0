#include <gtest/gtest.h>

#include <cmath>

#include "core_capture.h"
#include "equation_dE.h"
#include "equation_pA.h"
#include "grid_parameters.h"

namespace {

using cplx = std::complex<double>;

// Equation file: typ_potencjalu Vo a / Ec Eo w k phi / w2 w3 w4 / typ_obwiedni T1 T2 /
// pA_cechowanie_mieszane / typ_pot_absorb Uo_abs a_abs / Uor_abs Nr_abs Ni_abs / SN / v_save e_save
struct Gauge : ::testing::Test {
  core_capture capture;
  grid_parameters grid{(core_capture::write_file("g.par", "1 101 -10 10 4 0 0.5"), "g.par"), 2};

  template <class Equation>
  Equation make(const std::string& text, int level = 2) {
    core_capture::write_file("e.par", text);
    return Equation("e.par", grid, level);
  }
};

void expect_near(cplx actual, cplx expected) {
  EXPECT_NEAR(actual.real(), expected.real(), 1e-13);
  EXPECT_NEAR(actual.imag(), expected.imag(), 1e-13);
}

TEST_F(Gauge, StartupOrderAndLabels) {
  const std::string file = "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 1 0 1 0";
  auto pA = make<equation_pA>(file, 1);
  EXPECT_EQ(pA.status, 0);
  EXPECT_EQ(pA.label, "wersja pA");
  EXPECT_EQ(capture.messages(),
            "Inicjacja rownania Schrodingera (klasa bazowa) ...\nInicjacja rownania Schrodingera (wersja pA) ...\n");
  capture.clear();
  pA.message_level = 0;
  pA.save_potential("v.dat", 0);
  EXPECT_EQ(capture.messages(), "Equation (wersja pA): Zapisuje potencjal do pliku: v.dat\n");
  // The status is the reading's; the variant adds no check of its own.
  capture.clear();
  auto broken = make<equation_dE>("3", 2);
  EXPECT_EQ(broken.status, 1);
  EXPECT_EQ(capture.messages(), "");
}

TEST_F(Gauge, LengthGaugeCouplesThroughTheDipoleEnergy) {
  auto dE = make<equation_dE>("1  0 0 0  1 0 0 0 0  0 0 0  0 0 0  0  0 0 0  0 1 1  0  1 0");
  expect_near(dE.potential_coefficient(2, 7), cplx(0, 2));
  EXPECT_EQ(dE.drift_coefficient(2, 7), cplx(0, 0));
  EXPECT_EQ(dE.gauge_phase(2, 7), cplx(1, 0));

  // Q = -i (V + U_abs + q x E): the absorber's negative imaginary part turns
  // into a negative real part of Q (decay).
  auto absorbing = make<equation_dE>("1  1 -1 2  0.5 0 0 0 0  0 0 0  0 0 0  0  1 3 1  0 1 1  0  1 0");
  const double x = -9;
  const cplx U = absorbing.absorbing_potential(x, 0);
  ASSERT_LT(U.imag(), 0);
  expect_near(absorbing.potential_coefficient(x, 1), cplx(0, -1) * (cplx(0 + 0.5 * 9, 0) + U));
  expect_near(absorbing.potential_coefficient(1, 1), cplx(0, -1) * cplx(-1 - 0.5, 0));
}

TEST_F(Gauge, VelocityGaugeFollowsTheVectorPotential) {
  auto pA = make<equation_pA>("1  0 0 0  1 0 0 0 0  0 0 0  0 0 0  0  0 0 0  0 1 1  0  1 0");
  EXPECT_DOUBLE_EQ(static_cast<double>(pA.vector_potential(4, 3)), -3);
  expect_near(pA.drift_coefficient(4, 3), cplx(3, 0));
  expect_near(pA.potential_coefficient(4, 3), cplx(0, -4.5));

  // Without carrier frequency the envelope plays no part.
  auto static_field = make<equation_pA>("1  0 0 0  0 2 0 0 0  0 0 0  1 10 20  0  0 0 0  0 1 1  0  1 0");
  EXPECT_DOUBLE_EQ(static_cast<double>(static_field.vector_potential(1, 3)), -6);
  EXPECT_DOUBLE_EQ(static_cast<double>(static_field.vector_potential(1, 100)), -200);

  // With a carrier: A = -Ec t - (Eo/w) f(t) sin(w t - k x + phi + ...).
  auto carrier = make<equation_pA>("1  1 -1 2  0.5 2 4 0.5 0.25  0 0 0  1 10 20  0  0 0 0  0 1 1  0  1 0");
  const double x = 1, t = 5;
  const double A = -0.5 * t - (2.0 / 4) * 0.5 * std::sin(4 * t - 0.5 * x + 0.25);
  EXPECT_NEAR(static_cast<double>(carrier.vector_potential(x, t)), A, 1e-14);
  expect_near(carrier.drift_coefficient(x, t), cplx(-A, 0));
  expect_near(carrier.potential_coefficient(x, t), cplx(0, -1) * cplx(-1 + A * A / 2, 0));
}

TEST_F(Gauge, PhaseFactorAndMixedGauge) {
  auto pure = make<equation_pA>("1  0 0 0  1 0 0 0 0  0 0 0  0 0 0  0  0 0 0  0 1 1  0  1 0");
  // A(0,t) = -t, so G = exp(i x A(0,t)) = exp(-i x t).
  expect_near(pure.gauge_phase(2, 0.5), std::polar(1.0, -1.0));
  EXPECT_NEAR(std::abs(pure.gauge_phase(-7, 3.3)), 1, 1e-15);
  for (const char* mixed : {"1", "2", "-1"}) {
    auto eq = make<equation_pA>(std::string("1  0 0 0  1 0 0 0 0  0 0 0  0 0 0  ") + mixed +
                                "  0 0 0  0 1 1  0  1 0");
    EXPECT_EQ(eq.gauge_phase(2, 0.5), cplx(1, 0)) << mixed;
  }
}

}  // namespace

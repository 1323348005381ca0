#include "shooting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core_capture.h"
#include "equation_dE.h"
#include "grid_parameters.h"

namespace {

// Equation file with the given potential (typ_potencjalu Vo a) and nothing else.
std::string potential_file(const std::string& potential) {
  return "1 " + potential + "  0 0 0 0 0  0 0 0  0 0 0  0  0 0 0  0 1 1  0  1 0";
}

struct Shooting : ::testing::Test {
  core_capture capture;

  grid_parameters grid(const std::string& xdim_xmin_xmax) {
    core_capture::write_file("g.par", "1 " + xdim_xmin_xmax + " 10 0 0.1");
    return grid_parameters("g.par", 2);
  }
  equation_dE equation(const grid_parameters& on, const std::string& potential, int level = 2) {
    core_capture::write_file("e.par", potential_file(potential));
    return equation_dE("e.par", on, level);
  }
};

// <psi|H|psi> with the three-point kinetic term, from the state alone.
double energy_of(const grid_parameters& g, const equation_base& eq, const std::vector<double>& psi) {
  double sum = 0;
  for (int i = 1; i <= g.xdim(); ++i) {
    const double left = i > 1 ? psi[i - 1] : 0, right = i < g.xdim() ? psi[i + 1] : 0;
    const double kinetic = -0.5 * (left - 2 * psi[i] + right) / (g.dx * g.dx);
    sum += psi[i] * (kinetic + static_cast<double>(eq.potential(static_cast<double>(g.x(i)), 0)) * psi[i]);
  }
  return sum;
}

int sign_changes(const std::vector<double>& psi) {
  int changes = 0;
  for (std::size_t i = 2; i < psi.size(); ++i)
    if (psi[i - 1] * psi[i] < 0) ++changes;
  return changes;
}

TEST_F(Shooting, SoftCoreGroundStateHasTheAtomsEnergy) {
  auto g = grid("16002 -20 20");
  auto eq = equation(g, "2 -1 1", 0);
  capture.clear();
  std::vector<double> psi(g.x_count, 0.0);
  eq.shooting_state(1, psi.data());

  // The integrations meet at one of the two central points, the lowest ones.
  EXPECT_LT(std::fabs(static_cast<double>(g.x(eq.matching_index))), g.dx);
  double norm = 0;
  for (double v : psi) norm += v * v;
  EXPECT_NEAR(norm, 1, 1e-12);
  EXPECT_EQ(sign_changes(psi), 0);
  EXPECT_NEAR(psi[8001], psi[8002], 1e-6);
  EXPECT_NEAR(psi[1000], psi[15002], 1e-6);
  EXPECT_NEAR(energy_of(g, eq, psi), -0.6698, 1e-3);

  const std::string text = capture.messages();
  EXPECT_EQ(text.rfind("Metoda strzalow: Minimum potencjalu: V_min=-0.999999, V_max=-0.0499376\n"
                       "Metoda strzalow: Szukam punktow separacji dla metody bisekcji dla stanu n=1\n"
                       "Metoda strzalow: Stan n=1. Szukam zera pomiedzy -0.999999 a ",
                       0),
            0u)
      << text;
  const auto found = text.find("Metoda strzalow: Energia stanu E[n=1]=");
  ASSERT_NE(found, std::string::npos);
  EXPECT_NEAR(std::stod(text.substr(found + 38)), -0.6698, 1e-3);
  EXPECT_EQ(capture.errors(), "");
}

// The mismatch compares values only, so with the potential's minimum between
// the two central points it finds the even states: n = 2 is the third state.
TEST_F(Shooting, SecondEvenStateOnTheGrid) {
  auto g = grid("4002 -20 20");
  auto eq = equation(g, "2 -1 1");
  std::vector<std::complex<double>> psi(g.x_count, {7, 7});
  shooting_state_on_grid(g, eq, 2, psi.data(), 0);
  // The routine's own line follows its level; the method's follow the equation's.
  EXPECT_EQ(capture.messages(), "Stan wlasny znaleziony metoda strzalow (n=2)\n");
  EXPECT_EQ(psi[0], std::complex<double>(7, 7));  // element 0 is not part of the grid
  std::vector<double> real(g.x_count, 0.0);
  double norm = 0;
  for (int i = 1; i <= g.xdim(); ++i) {
    EXPECT_EQ(psi[i].imag(), 0);
    real[i] = psi[i].real();
    norm += real[i] * real[i];
  }
  EXPECT_NEAR(norm, 1, 1e-12);
  EXPECT_EQ(sign_changes(real), 2);
  EXPECT_NEAR(energy_of(g, eq, real), -0.1515, 2e-3);
}

TEST_F(Shooting, SquareWellGroundState) {
  auto g = grid("1001 -10 10");
  auto eq = equation(g, "1 -5 2");
  std::vector<double> psi(g.x_count, 0.0);
  eq.shooting_state(1, psi.data());
  EXPECT_EQ(eq.matching_index, 401);  // x = -2, the first point with V = -5
  EXPECT_EQ(sign_changes(psi), 0);
  // Even ground state: k tan(k a) = sqrt(2 Uo - k^2) gives E = -4.77053.
  EXPECT_NEAR(energy_of(g, eq, psi), -4.77053, 5e-3);

  auto coarse = grid("101 -10 10");
  auto on_coarse = equation(coarse, "1 -5 2");
  std::vector<double> coarse_psi(coarse.x_count, 0.0);
  on_coarse.shooting_state(1, coarse_psi.data());
  EXPECT_EQ(on_coarse.matching_index, 41);
}

TEST_F(Shooting, FlatPotentialIsFatalBeforeAnyScan) {
  auto g = grid("101 -10 10");
  auto eq = equation(g, "0 -1 2", 0);
  capture.clear();
  std::vector<double> psi(g.x_count, 0.0);
  testing::internal::CaptureStdout();
  EXPECT_THROW(eq.shooting_state(1, psi.data()), fatal_ended);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "\a");
  EXPECT_EQ(capture.errors(), "\n\t*** Metoda strzalow: Zle określony potencjal (prawdopodobnie zerowy)\n");
  EXPECT_EQ(capture.messages(), "");
}

TEST_F(Shooting, MinimumAtTheGridEndsIsFatal) {
  // Step barrier: a on the left of 0, Vo from 0 on.
  const struct {
    const char* grid;
    const char* potential;
  } cases[] = {
      {"101 -10 10", "3 0 -1"},    // lowest at xmin itself: no matching point at all
      {"101 -0.05 10", "3 -1 0"},  // lowest from the second point on
      {"101 -10 0", "3 -1 0"},     // lowest only at xmax
      {"101 -10 0.05", "3 -1 0"},  // lowest at the last two points
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.grid);
    auto g = grid(c.grid);
    auto eq = equation(g, c.potential);
    capture.clear();
    std::vector<double> psi(g.x_count, 0.0);
    EXPECT_THROW(eq.shooting_state(1, psi.data()), fatal_ended);
    EXPECT_EQ(capture.errors(), "\n\t*** Metoda strzalow: Zle określony potencjal (prawdopodobnie zerowy)\n");
  }
  // The integrations refuse an unset matching point as well.
  auto g = grid("101 -10 10");
  auto eq = equation(g, "1 -1 2");
  std::vector<double> psi(g.x_count, 0.0);
  EXPECT_THROW(eq.integrate_forward(-0.5, psi.data()), fatal_ended);
  eq.matching_index = 100;
  EXPECT_THROW(eq.shooting_mismatch(-0.5), fatal_ended);
}

TEST_F(Shooting, NoBoundStateLeftIsFatal) {
  auto g = grid("201 -10 10");
  auto eq = equation(g, "1 -0.05 1");
  std::vector<double> psi(g.x_count, 0.0);
  testing::internal::CaptureStdout();
  EXPECT_THROW(eq.shooting_state(5, psi.data()), fatal_ended);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "\a");
  EXPECT_EQ(capture.errors(), "\n\t*** Metoda strzalow: Nie znaleziono rzadanego stanu\n");
}

}  // namespace

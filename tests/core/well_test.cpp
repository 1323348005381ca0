#include "well.h"

#include <cmath>
#include <sstream>
#include <vector>
#include <gtest/gtest.h>

#include "core_capture.h"
#include "grid_parameters.h"

namespace {

// Each energy lies in the well, above the previous one, and satisfies the
// matching condition of its parity with kappa taken from the energy itself.
void expect_valid_states(const well& w) {
  for (int n = 1; n <= w.N; ++n) {
    SCOPED_TRACE(n);
    const double k = std::sqrt(2 * (w.energies[n] + w.Uo));
    const double kappa = std::sqrt(-2 * w.energies[n]);
    EXPECT_GT(w.energies[n], n > 1 ? w.energies[n - 1] : -w.Uo);
    EXPECT_LT(w.energies[n], 0);
    EXPECT_NEAR(k, w.wave_numbers[n], 1e-6);
    EXPECT_NEAR(n % 2 ? k * std::tan(k * w.a) : -k / std::tan(k * w.a), kappa, 1e-5);
  }
}

TEST(Well, BoundStatesOfShallowAndDeeperWells) {
  core_capture capture;
  well shallow(1, -1, 0);
  EXPECT_NEAR(shallow.K0, std::sqrt(2.0), 1e-15);
  EXPECT_EQ(shallow.N, 1);
  expect_valid_states(shallow);
  EXPECT_EQ(shallow.energies[2], 0);
  std::ostringstream energy;
  energy << shallow.energies[1];
  EXPECT_EQ(capture.messages(),
            "Inicjacja funkcji wlasnej studni 1D ...\n"
            "Obliczam energie i funkcje stanow zwiazanych studni potencjalu ...\n"
            "Parametry studni: a=1, Uo=1, ilosc stanow zwiazanych N=1 (0.900316)\n"
            "E[1]=" + energy.str() + " (stan parzysty)\n");

  well deeper(2, -5, 2);
  EXPECT_NEAR(deeper.ratio, 4.0264, 1e-4);
  EXPECT_EQ(deeper.N, 5);
  expect_valid_states(deeper);
  EXPECT_EQ(deeper.energies[6], 0);
  EXPECT_EQ(capture.errors(), "");
}

TEST(Well, FlatWellAndWrongSigns) {
  core_capture capture;
  well flat(1, 0, 2);
  EXPECT_EQ(flat.N, 1);
  EXPECT_EQ(flat.wave_numbers[1], 0);
  EXPECT_EQ(flat.energies[1], 0);

  testing::internal::CaptureStdout();
  well flipped(-2, 5, 2);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "\a");
  EXPECT_EQ(capture.errors(), "\n\t*** Ostrzezenie: Parametry studni nie sa prawidlowe (zly znak)\n\n");
  well right(2, -5, 2);
  EXPECT_EQ(flipped.energies, right.energies);
  EXPECT_EQ(flipped.wave_numbers, right.wave_numbers);
}

TEST(Well, StatesJoinSmoothlyAtTheWalls) {
  well w(2, -5, 2);
  const double h = 1e-6;
  for (int n = 1; n <= w.N; ++n) {
    SCOPED_TRACE(n);
    const double parity = n % 2 ? 1 : -1;
    auto psi = [&](double x) { return static_cast<double>(w.well_state(n, x)); };
    EXPECT_NEAR(psi(2), 1, 1e-12);
    EXPECT_NEAR(psi(-2), parity, 1e-12);
    EXPECT_NEAR(psi(-4), parity * psi(4), 1e-12);
    EXPECT_NEAR((psi(2) - psi(2 - h)) / h, (psi(2 + h) - psi(2)) / h, 1e-4 * (1 + std::fabs(psi(2) - psi(2 - h)) / h));
    EXPECT_NEAR(psi(4) / psi(3), std::exp(-std::sqrt(-2 * w.energies[n])), 1e-6);
  }
}

TEST(Well, AskingForAStateThatDoesNotExistIsFatal) {
  core_capture capture;
  testing::internal::CaptureStdout();
  well w(2, -5, 2);
  well too_wide(100, -5, 2);  // N above 100: nothing is computed
  EXPECT_EQ(too_wide.status, 1);
  EXPECT_EQ(capture.errors(), "\n\t*** Ilosc stanow studni przekracza wymiar tablicy\n\n");
  EXPECT_EQ(too_wide.energies, (std::array<double, well::max_states>{}));
  for (auto [state, n] : {std::pair{&w, 0}, {&w, w.N + 1}, {&too_wide, 1}}) {
    capture.clear();
    EXPECT_THROW(state->well_state(n, 0), fatal_ended);
    EXPECT_EQ(capture.errors(), "\n\t*** Odwolanie do nieistniejacego stanu studni potencjalu\n\n");
    EXPECT_EQ(state->status, 1);
  }
  EXPECT_EQ(well(std::nan(""), -1, 2).N, 0);
  testing::internal::GetCapturedStdout();
}

TEST(Well, StateOnGridIsNormalisedWithoutDxAboutItsCentre) {
  core_capture capture;
  core_capture::write_file("g.par", "1 401 -20 20 10 0 0.1");
  const grid_parameters grid("g.par", 2);
  std::vector<std::complex<double>> psi(grid.x_count, std::complex<double>(5, 5));
  well_state_on_grid(grid, 0.5, 2, 2, -5, psi.data(), 0);
  double sum = 0;
  for (int i = 1; i <= grid.xdim(); ++i) sum += std::norm(psi[i]) + std::abs(psi[i].imag());
  EXPECT_NEAR(sum, 1, 1e-12);
  EXPECT_EQ(psi[0], std::complex<double>(5, 5));
  // x = 0.5 is grid index 206; the odd state changes sign about it.
  EXPECT_NEAR(psi[206].real(), 0, 1e-12);
  EXPECT_NEAR(psi[219].real(), -psi[193].real(), 1e-12);
  EXPECT_NE(capture.messages().find(" (stan parzysty)\nStan wlasny studni (a=2, Uo=-5, n=2), x0=0.5, N="),
            std::string::npos);

  testing::internal::CaptureStdout();
  EXPECT_THROW(well_state_on_grid(grid, 0, 2, 1, -1, psi.data(), 2), fatal_ended);
  testing::internal::GetCapturedStdout();
}

}  // namespace

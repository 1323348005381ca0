#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "core_capture.h"
#include "grid_parameters.h"
#include "wave_fixture.h"
#include "wavefunction.h"

namespace {

// The soft-core atom (ground state by the shooting method) in a short sin^2
// pulse, on a grid wide enough that nothing reaches its ends: the setting in
// which Ehrenfest's theorem must hold for the recorded acceleration. The
// grid is fine (dx = 0.05): the lattice's own corrections to the theorem
// grow as dx^2 and come near the tolerance at dx = 0.1. The number of points
// is even, so that the potential's minimum lies between two nodes, where the
// shooting method joins its integrations smoothly.
struct DipoleRecord : wave_run {
  DipoleRecord() {
    grid_values.xdim = 2000;
    grid_values.xmin = -50;
    grid_values.xmax = 50;
    grid_values.tdim = 800;
    grid_values.dt = 0.05;
    equation_values.typ_potencjalu = 2;
    equation_values.Vo = -1;
    equation_values.a = std::sqrt(2.0);
    equation_values.Eo = 0.05;
    equation_values.w = 0.2;
    equation_values.phi = 0.3;
    equation_values.typ_obwiedni = 2;
    equation_values.T1 = 20;
    psi_values.typ_funkcji_pocz = 3;
    psi_values.n = 1;
  }

  // Builds the run with the dipole switch as a 26th token of the equation
  // file, or without it when d_save is negative.
  void start(int d_save) {
    equation_values.d_save = d_save;
    ASSERT_EQ(wave_run::start(2).status, 0);
  }
  void run_to_end() {
    while (wave->step <= grid->tdim) ASSERT_EQ(wave->step_forward(), 0) << capture.errors();
    wave.reset();
  }

  // Largest |d2<x>/dt2 - a| over the run relative to the largest |a|.
  void expect_ehrenfest() {
    const auto rows = data_rows("1d-dipole.dat");
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(grid_values.tdim + 1));
    const double dt = grid_values.dt;
    double worst = 0, largest = 0;
    for (std::size_t j = 1; j + 1 < rows.size(); ++j) {
      ASSERT_EQ(rows[j].size(), 5u);
      EXPECT_NEAR(rows[j][0], j * dt, 1e-12);
      const double second_difference = (rows[j + 1][1] - 2 * rows[j][1] + rows[j - 1][1]) / (dt * dt);
      worst = std::max(worst, std::fabs(second_difference - rows[j][4]));
      largest = std::max(largest, std::fabs(rows[j][4]));
      EXPECT_DOUBLE_EQ(rows[j][4], rows[j][3] - rows[j][2]);
    }
    // The field really drove the atom: the acceleration is not just noise.
    EXPECT_GT(largest, 1e-3);
    EXPECT_LT(worst, 1e-3 * largest) << "largest |a| " << largest;
  }
};

TEST_F(DipoleRecord, EhrenfestInTheLengthGauge) {
  psi_values.cechowanie_hamiltonianu = 0;
  start(1);
  run_to_end();
  expect_ehrenfest();
}

TEST_F(DipoleRecord, EhrenfestInTheVelocityGauge) {
  psi_values.cechowanie_hamiltonianu = 1;
  start(1);
  run_to_end();
  expect_ehrenfest();
}

TEST_F(DipoleRecord, OffWithoutTheSwitchOrWithZero) {
  grid_values.tdim = 3;
  start(-1);  // a file of 25 tokens, as the wizard writes it
  run_to_end();
  EXPECT_FALSE(std::filesystem::exists("1d-dipole.dat"));
  start(0);
  run_to_end();
  EXPECT_FALSE(std::filesystem::exists("1d-dipole.dat"));
  EXPECT_TRUE(std::filesystem::exists("1d-timed.dat"));
}

TEST_F(DipoleRecord, ReplacesThePreviousRecordOnlyAtTheEndOfTheRun) {
  grid_values.tdim = 4;
  core_capture::write_file("1d-dipole.dat", "#poprzedni przebieg\n");
  start(1);
  ASSERT_EQ(wave->step_forward(), 0);
  // While the run goes on, the previous record is still whole.
  EXPECT_EQ(core_capture::read_file("1d-dipole.dat"), "#poprzedni przebieg\n");
  run_to_end();
  const auto rows = data_rows("1d-dipole.dat");
  ASSERT_EQ(rows.size(), 5u);
  // Full precision, and the mean position of the time-quantities file.
  const auto timed = data_rows("1d-timed.dat");
  ASSERT_EQ(timed.size(), rows.size());
  for (std::size_t j = 0; j < rows.size(); ++j) {
    EXPECT_NEAR(rows[j][1], timed[j].back(), 1e-5 * std::fabs(timed[j].back()) + 1e-12);
  }
  // 17 significant digits: every number of the last line has them.
  const std::string text = core_capture::read_file("1d-dipole.dat");
  std::istringstream last(text.substr(text.rfind('\n', text.size() - 2) + 1));
  std::string token;
  while (last >> token) EXPECT_GE(token.size(), 18u) << token;
  EXPECT_FALSE(std::filesystem::exists("1d-dipole.dat.tmp"));
}

TEST_F(DipoleRecord, AFileThatCannotBeCreatedFailsTheConstruction) {
  std::filesystem::create_directory("1d-dipole.dat.tmp");
  grid_values.tdim = 2;
  equation_values.d_save = 1;
  grid_values.write();
  equation_values.write();
  psi_values.write();
  grid = std::make_unique<grid_parameters>("1d-grid.par", 2);
  wave = std::make_unique<wavefunction>(*grid, "1d-psi.par", 2);
  EXPECT_EQ(wave->status, 1);
  EXPECT_NE(capture.errors().find("1d-dipole.dat.tmp"), std::string::npos);
}

}  // namespace

// A small sweep run by the real GNU parallel and mirelo, its summary
// compared with the same runs made one by one.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "core_capture.h"
#include "gather_command.h"
#include "make_command.h"
#include "process.h"
#include "run_command.h"
#include "wave_fixture.h"

namespace fs = std::filesystem;

namespace {

grid_file tiny_grid() { return {64, -20, 20, 40, 0, 0.05}; }

equation_file driven_well(double Eo, double w) {
  equation_file equation;
  equation.typ_potencjalu = 1;
  equation.Vo = -1;
  equation.a = 2;
  equation.Eo = Eo;
  equation.w = w;
  equation.typ_pot_absorb = 1;
  equation.Uo_abs = 1;
  equation.a_abs = 1;
  return equation;
}

psi_file packet() {
  psi_file psi;
  psi.a = 0.5;
  return psi;
}

// Final norm, overlap and <x> of a run folder's 1d-timed.dat.
std::vector<double> final_values(const fs::path& folder) {
  const auto rows = data_rows((folder / "1d-timed.dat").string());
  if (rows.empty()) return {};
  return {rows.back()[1], rows.back()[2], rows.back()[3]};
}

TEST(ParallelEndToEnd, SweepMatchesSingleRuns) {
  if (!program_available("parallel")) GTEST_SKIP() << "GNU parallel is not installed (Debian package parallel)";
  setenv("MIRELO", MIRELO_PATH, 1);
  core_capture capture;
  fs::create_directory("base");
  tiny_grid().write("base/1d-grid.par");
  driven_well(0.1, 0.3).write("base/1d-eq.par");
  packet().write("base/1d-psi.par");

  ASSERT_EQ(make_command({"base", "out", "Eo=0.05,0.3", "w=0.2:0.8:3"}), 0) << capture.errors();
  ASSERT_EQ(run_command({"out", "-j", "2"}), 0) << capture.errors();
  const std::string first_run = capture.messages();
  EXPECT_NE(first_run.find("wykonane 6, nieudane 0, pominiete (juz wykonane) 0"), std::string::npos) << first_run;
  EXPECT_TRUE(fs::is_regular_file("out/joblog.tsv"));

  capture.clear();
  ASSERT_EQ(run_command({"out", "-j", "2"}), 0);
  ASSERT_EQ(gather_command({"out"}), 0) << capture.errors();
  const std::string resumed = capture.messages();
  EXPECT_NE(resumed.find("wykonane 0, nieudane 0, pominiete (juz wykonane) 6"), std::string::npos) << resumed;

  const auto summary = data_rows("out/summary.dat");
  ASSERT_EQ(summary.size(), 6u);
  std::size_t row = 0;
  for (double Eo : {0.05, 0.3}) {
    for (double w : {0.2, 0.5, 0.8}) {
      const fs::path folder = "single-" + std::to_string(row);
      fs::create_directory(folder);
      tiny_grid().write((folder / "1d-grid.par").string());
      driven_well(Eo, w).write((folder / "1d-eq.par").string());
      packet().write((folder / "1d-psi.par").string());
      ASSERT_EQ(run_program({"sh", "-c", "cd '" + folder.string() + "' && '" MIRELO_PATH "' -s2 >/dev/null"}), 0);
      const std::vector<double> single = final_values(folder);
      ASSERT_EQ(single.size(), 3u);
      const std::vector<double>& line = summary[row];
      EXPECT_DOUBLE_EQ(line[0], Eo);
      EXPECT_DOUBLE_EQ(line[1], w);
      EXPECT_EQ(line[2], single[0]) << "norm of run " << row;
      EXPECT_NEAR(line[3], 1 - single[0], 1e-6);
      EXPECT_EQ(line[4], single[1]) << "overlap of run " << row;
      EXPECT_EQ(line[5], single[2]) << "<x> of run " << row;
      EXPECT_EQ(line[7], 0);
      ++row;
    }
  }
  // The field matters: the sweep's runs are not all alike.
  EXPECT_NE(summary[0][2], summary[5][2]);
  EXPECT_TRUE(fs::is_regular_file("out/summary.png"));
}

// A run that fails is counted, makes the exit status 1 and is run again
// by the next sweep run.
TEST(ParallelEndToEnd, FailedRunsAreReportedAndRetried) {
  if (!program_available("parallel")) GTEST_SKIP() << "GNU parallel is not installed (Debian package parallel)";
  setenv("MIRELO", MIRELO_PATH, 1);
  core_capture capture;
  fs::create_directory("base");
  grid_file{16, -4, 4, 2, 0, 0.01}.write("base/1d-grid.par");
  equation_file{}.write("base/1d-eq.par");
  packet().write("base/1d-psi.par");
  ASSERT_EQ(make_command({"base", "out", "Eo=0.1,0.2"}), 0) << capture.errors();
  fs::remove("out/run-0002/1d-eq.par");  // the run cannot read its equation
  EXPECT_EQ(run_command({"out", "-j", "2"}), 1);
  equation_file{}.write("out/run-0002/1d-eq.par");
  EXPECT_EQ(run_command({"out"}), 0);
  const std::string text = capture.messages();
  EXPECT_NE(text.find("wykonane 1, nieudane 1, pominiete (juz wykonane) 0"), std::string::npos) << text;
  EXPECT_NE(text.find("wykonane 1, nieudane 0, pominiete (juz wykonane) 1"), std::string::npos) << text;
}

}  // namespace

#include "gather_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core_capture.h"
#include "run_state.h"
#include "sweep_table.h"
#include "wave_fixture.h"

namespace fs = std::filesystem;

namespace {

struct Gather : ::testing::Test {
  core_capture capture;
  void SetUp() override {
    fs::create_directory("out");
    sweep_table table{{"w", "Eo"}, {true, false}, {}, {}};
    const char* w[] = {"0.1", "1", "0.1", "1", "0.1"};
    const char* eo[] = {"0.01", "0.01", "0.02", "0.02", "0.03"};
    for (int r = 0; r < 5; ++r) {
      const std::string folder = "run-000" + std::to_string(r + 1);
      table.folders.push_back(folder);
      table.values.push_back({w[r], eo[r]});
      fs::create_directory("out/" + folder);
      grid_file{32, -8, 8, 2, 0, 0.01}.write("out/" + folder + "/1d-grid.par");
    }
    write_sweep_table("out", table);
  }
  static void finish(const std::string& folder, const std::string& timed, int status) {
    if (!timed.empty()) std::ofstream("out/" + folder + "/1d-timed.dat") << timed;
    std::ofstream("out/" + folder + "/status") << status << "\n";
  }
  int gather(std::vector<std::string> arguments = {"out"}) {
    testing::internal::CaptureStdout();
    const int code = gather_command(arguments);
    testing::internal::GetCapturedStdout();
    return code;
  }
};

// Data lines of summary.dat; strtod reads the "nan" of runs without results.
std::vector<std::vector<double>> summary_rows() {
  std::istringstream text(core_capture::read_file("out/summary.dat"));
  std::vector<std::vector<double>> rows;
  for (std::string line; std::getline(text, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    rows.emplace_back();
    for (std::string field; fields >> field;) rows.back().push_back(std::strtod(field.c_str(), nullptr));
  }
  return rows;
}

const std::string header = "#Wielkosci zalezne od czasu\n#\n#t  norma  |<0|t>|^2  <x>\n";

TEST_F(Gather, SummaryTakesFinalValuesAndListsRunsWithoutResults) {
  finish("run-0001", header + "0  1  1  0.5\n0.01  0.99  0.9  -2.5\n0.02  0.75  0.5  1.25\n", 0);
  // With a projection column the overlap and <x> are the last two.
  finish("run-0002",
         "#Wielkosci zalezne od czasu\n#\n#t  norma  |<plik|t>|^2  |<0|t>|^2  <x>\n"
         "0  1  0.3  1  0\n0.01  0.9  0.3  0.8  0.1\n0.02  0.8  0.3  0.6  0.2\n",
         0);
  finish("run-0003", header + "0  1  1  0\n", 1);         // failed
  finish("run-0005", header + "0  1  1  0\n0.01  1  1  0\n", 0);  // status 0 but cut short
  // run-0004 has not run at all

  EXPECT_EQ(gather(), 1);
  const auto rows = summary_rows();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], (std::vector<double>{0.1, 0.01, 0.75, 0.25, 0.5, 1.25, 2.5, 0}));
  EXPECT_EQ(rows[1], (std::vector<double>{1, 0.01, 0.8, 0.2, 0.6, 0.2, 0.2, 0}));
  EXPECT_EQ(rows[2].back(), 1);
  EXPECT_TRUE(std::isnan(rows[2][2]));
  EXPECT_EQ(core_capture::read_file("out/summary.dat").rfind("# w  Eo  norm  absorbed  overlap  x  max_abs_x  status\n", 0), 0u);

  const std::string errors = capture.errors();
  EXPECT_EQ(errors.find("run-0001"), std::string::npos);
  EXPECT_NE(errors.find("run-0003 (w=0.1, Eo=0.02): nieudany"), std::string::npos) << errors;
  EXPECT_NE(errors.find("run-0004 (w=1, Eo=0.02): niezakonczony"), std::string::npos) << errors;
  EXPECT_NE(errors.find("run-0005 (w=0.1, Eo=0.03): niepelny"), std::string::npos) << errors;
  EXPECT_TRUE(fs::is_regular_file("out/summary.png"));
  EXPECT_FALSE(fs::exists("out/summary.png.tmp"));
  EXPECT_NE(core_capture::read_file("out/summary.gp").find("set logscale x"), std::string::npos);
}

TEST_F(Gather, AllFinishedEndsWithZeroAndPlotsTheChosenColumn) {
  for (int r = 1; r <= 5; ++r)
    finish("run-000" + std::to_string(r), header + "0  1  1  0\n0.01  1  1  0\n0.02  0.5  0.25  0.125\n", 0);
  EXPECT_EQ(gather({"out", "--y", "overlap"}), 0) << capture.errors();
  EXPECT_EQ(summary_rows().size(), 5u);
  const std::string script = core_capture::read_file("out/summary.gp");
  EXPECT_NE(script.find("set ylabel 'overlap'"), std::string::npos);
  EXPECT_NE(script.find("title 'Eo=0.03'"), std::string::npos);
  EXPECT_NE(script.find("0.25"), std::string::npos);
  EXPECT_EQ(gather({"out", "--y", "nothing"}), 1);
}

// Resuming picks exactly the runs without status 0, and a run started
// again loses its old status before mirelo runs.
TEST_F(Gather, PendingRunsAreTheUnfinishedAndFailedOnes) {
  finish("run-0001", "", 0);
  finish("run-0002", "", 3);
  finish("run-0004", "", 0);
  sweep_table table;
  std::string error;
  ASSERT_TRUE(read_sweep_table("out", table, error)) << error;
  EXPECT_EQ(pending_runs("out", table), (std::vector<std::string>{"run-0002", "run-0003", "run-0005"}));
  int status = 0;
  EXPECT_EQ(read_run_state("out/run-0002", &status), run_state::failed);
  EXPECT_EQ(status, 3);

  const fs::path script = write_run_script("out", "/bin/false");
  EXPECT_NE(std::system(("sh " + script.string() + " out/run-0001").c_str()), 0);
  EXPECT_EQ(read_run_state("out/run-0001", &status), run_state::failed);
  EXPECT_EQ(status, 1);
}

}  // namespace

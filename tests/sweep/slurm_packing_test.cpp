#include "slurm_command.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "core_capture.h"
#include "make_command.h"
#include "wave_fixture.h"

namespace fs = std::filesystem;

namespace {

TEST(SlurmPacking, TaskCapComesFromTheClusterConfig) {
  EXPECT_EQ(array_task_cap("Configuration data as of ...\nMaxArraySize            = 2\nMaxJobCount = 10000\n"), 2);
  EXPECT_EQ(array_task_cap("MaxArraySize = 5001\nMaxJobCount             = 300\n"), 300);
  EXPECT_EQ(array_task_cap(""), 1001);
}

TEST(SlurmPacking, RunsPerTaskKeepsTheArrayWithinTheCap) {
  EXPECT_EQ(runs_per_task(3, 1001, 0), 1);
  EXPECT_EQ(runs_per_task(3, 2, 0), 2);
  EXPECT_EQ(runs_per_task(10000, 1001, 0), 10);
  EXPECT_EQ(runs_per_task(1001, 1001, 0), 1);
  EXPECT_EQ(runs_per_task(1002, 1001, 0), 2);
  EXPECT_EQ(runs_per_task(10, 4, 3), 3);
  EXPECT_EQ(runs_per_task(10, 4, 2), 0);
}

// The array script, run by bash for each task number the array holds, runs
// every run exactly once.
TEST(SlurmPacking, EveryRunRunsOnceAcrossTheTasks) {
  core_capture capture;
  const std::string out = fs::current_path().string();
  std::ofstream(out + "/run-one.sh") << "echo \"$1\" >> " << out << "/ran.txt\n";
  const std::vector<std::string> runs = {"run-0001", "run-0002", "run-0004", "run-0007", "run-0009"};
  const std::string script = batch_script(out, runs, 2, "debug", "00:10:00", 1);
  std::ofstream(out + "/sweep.sbatch") << script;
  EXPECT_NE(script.find("#SBATCH --array=0-2%1\n"), std::string::npos) << script;
  EXPECT_NE(script.find("#SBATCH --partition=\"debug\"\n"), std::string::npos);
  for (int task = 0; task < 3; ++task)
    ASSERT_EQ(std::system(("SLURM_ARRAY_TASK_ID=" + std::to_string(task) + " bash " + out + "/sweep.sbatch").c_str()), 0);
  std::ifstream ran(out + "/ran.txt");
  std::multiset<std::string> seen;
  for (std::string line; std::getline(ran, line);) seen.insert(fs::path(line).filename().string());
  EXPECT_EQ(seen, std::multiset<std::string>(runs.begin(), runs.end()));
}

// A value with a line break would put the rest of it into the script as a
// command: it is refused before anything is written.
TEST(SlurmPacking, ValuesWithALineBreakAreRefusedAndNoScriptIsWritten) {
  core_capture capture;
  fs::create_directory("base");
  grid_file{32, -8, 8, 5, 0, 0.01}.write("base/1d-grid.par");
  equation_file{}.write("base/1d-eq.par");
  psi_file{}.write("base/1d-psi.par");
  testing::internal::CaptureStdout();
  ASSERT_EQ(make_command({"base", "out", "Eo=0.1,0.2"}), 0) << capture.errors();
  setenv("MIRELO", "true", 1);  // any program will do: nothing is submitted
  EXPECT_EQ(slurm_command({"out", "--partition", "debug\ntouch injected"}), 1);
  EXPECT_EQ(slurm_command({"out", "--time", "5\r"}), 1);
  unsetenv("MIRELO");
  testing::internal::GetCapturedStdout();
  EXPECT_FALSE(fs::exists("out/sweep.sbatch"));
  EXPECT_NE(capture.errors().find("wartosc z koncem linii"), std::string::npos) << capture.errors();
}

}  // namespace

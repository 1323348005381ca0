#include "make_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core_capture.h"
#include "wave_fixture.h"

namespace fs = std::filesystem;

namespace {

struct MakeCommand : ::testing::Test {
  core_capture capture;
  void SetUp() override {
    fs::create_directory("base");
    grid_file{32, -8, 8, 5, 0, 0.01}.write("base/1d-grid.par");
    equation_file{}.write("base/1d-eq.par");
    psi_file{}.write("base/1d-psi.par");
  }
  int make(std::vector<std::string> arguments) {
    testing::internal::CaptureStdout();
    const int code = make_command(arguments);
    testing::internal::GetCapturedStdout();
    return code;
  }
};

TEST_F(MakeCommand, WritesOneFolderPerRunAndTheTable) {
  ASSERT_EQ(make({"base", "out", "Eo=0.1,0.2", "w=log:0.1:10:3"}), 0) << capture.errors();
  EXPECT_EQ(core_capture::read_file("out/runs.tsv"),
            "run\tEo\tw\nrun-0001\t0.1\t0.1\nrun-0002\t0.1\t1\nrun-0003\t0.1\t10\n"
            "run-0004\t0.2\t0.1\nrun-0005\t0.2\t1\nrun-0006\t0.2\t10\n");
  EXPECT_EQ(core_capture::read_file("out/axes.tsv"), "Eo\tlin\nw\tlog\n");
  for (const char* name : {"1d-grid.par", "1d-eq.par", "1d-psi.par"})
    EXPECT_TRUE(fs::is_regular_file(fs::path("out/run-0006") / name));
  // The check's step-0 outputs stay out of sight.
  EXPECT_FALSE(fs::exists("out/run-0001/1d-timed.dat"));
  EXPECT_FALSE(fs::exists("1d-timed.dat"));
}

TEST_F(MakeCommand, RejectedSetNamesFolderValuesAndCoreMessageAndWritesNothing) {
  EXPECT_EQ(make({"base", "out", "xmax=8,-9"}), 1);
  EXPECT_FALSE(fs::exists("out"));
  const std::string errors = capture.errors();
  EXPECT_NE(errors.find("out/run-0002 (xmax=-9)"), std::string::npos) << errors;
  EXPECT_NE(errors.find("Nieprawidlowe parametry sieci! (out/run-0002/1d-grid.par)"), std::string::npos) << errors;
  EXPECT_EQ(errors.find("run-0001"), std::string::npos) << errors;
}

// A missing initial-state file ends a real run fatally; the check reports
// the set instead of ending sweep, and a file beside the base set travels
// with each run.
TEST_F(MakeCommand, InitialStateFilesAreCheckedAndCopied) {
  psi_file psi;
  psi.typ_funkcji_pocz = 0;
  psi.nazwa_pliku = "start.dat";
  psi.write("base/1d-psi.par");
  EXPECT_EQ(make({"base", "out", "Eo=0.1"}), 1);
  EXPECT_NE(capture.errors().find("Brak pliku poczatkowej funkcji falowej!"), std::string::npos);
  EXPECT_FALSE(fs::exists("out"));

  // A wavefunction file of the same grid, normalised: all weight at one node.
  std::string state = "#stan\n";
  for (int i = 1; i <= 32; ++i) state += i == 16 ? "1 0\n" : "0 0\n";
  std::ofstream("base/start.dat") << state;
  EXPECT_EQ(make({"base", "out", "Eo=0.1,0.2"}), 0) << capture.errors();
  EXPECT_EQ(core_capture::read_file("out/run-0002/start.dat"), state);
}

TEST_F(MakeCommand, ExistingOutIsKeptUnlessForced) {
  ASSERT_EQ(make({"base", "out", "Eo=0.1"}), 0);
  std::ofstream("out/note") << "keep";
  EXPECT_EQ(make({"base", "out", "Eo=0.2"}), 1);
  EXPECT_NE(capture.errors().find("--force"), std::string::npos);
  EXPECT_TRUE(fs::exists("out/note"));
  // A forced sweep whose sets are rejected leaves the old one alone too.
  EXPECT_EQ(make({"base", "out", "dt=-1", "--force"}), 1);
  EXPECT_TRUE(fs::exists("out/note"));
  EXPECT_EQ(make({"base", "out", "Eo=0.2,0.3", "--force"}), 0);
  EXPECT_FALSE(fs::exists("out/note"));
  EXPECT_TRUE(fs::exists("out/run-0002"));
}

TEST_F(MakeCommand, OutThatHoldsTheBaseIsRefusedEvenWhenForced) {
  EXPECT_EQ(make({"base", ".", "Eo=0.1", "--force"}), 1);
  EXPECT_EQ(make({"base", "base", "Eo=0.1", "--force"}), 1);
  EXPECT_TRUE(fs::exists("base/1d-grid.par"));
}

TEST_F(MakeCommand, BadKeysAndRangesEndWithOneLineAndNoOut) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"base", "out", "Eoo=1"}, {"base", "out", "xdim=32.5"},
        {"base", "out", "Eo=log:0:1:3"}, {"base", "out", "Eo=1:2:0"}, {"missing", "out", "Eo=1"}}) {
    capture.clear();
    EXPECT_EQ(make(arguments), 1) << arguments[2];
    EXPECT_EQ(capture.errors().rfind("\n\t*** Blad: ", 0), 0u) << capture.errors();
    EXPECT_FALSE(fs::exists("out"));
  }
}

}  // namespace

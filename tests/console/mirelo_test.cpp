#include "mirelo.h"

#include <gtest/gtest.h>
#include <vector>

#include "core_capture.h"

namespace {

struct Mirelo : ::testing::Test {
  core_capture capture;  // scratch directory and default names
  std::string out, err;

  int run(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "mirelo");
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int code = mirelo_main(static_cast<int>(arguments.size()), const_cast<char**>(arguments.data()));
    out = testing::internal::GetCapturedStdout();
    err = testing::internal::GetCapturedStderr();
    return code;
  }
  // What follows the banner on standard output.
  std::string after_banner() const { return out.substr(out.find("\n\n") + 2); }
};

TEST_F(Mirelo, VersionWinsWhereverItStands) {
  EXPECT_EQ(run({"-v"}), 0);
  EXPECT_EQ(after_banner(), "");
  EXPECT_EQ(run({"-h", "-v"}), 0);
  EXPECT_EQ(after_banner(), "");
  EXPECT_EQ(run({"-v", "-h"}), 0);
  EXPECT_EQ(after_banner(), "");
  EXPECT_EQ(err, "");
}

TEST_F(Mirelo, HelpReadsNoFile) {
  EXPECT_EQ(run({"-s0", "-pnames.txt", "-h"}), 0);
  EXPECT_EQ(after_banner().rfind("Program sluzy do calkowania", 0), 0u);
  EXPECT_EQ(out.find("Poziom ilosci"), std::string::npos);
  EXPECT_EQ(err, "");
}

TEST_F(Mirelo, LevelAndTestModeMessages) {
  // No parameter files here, so every run ends at the grid with exit code 1.
  EXPECT_EQ(run({"-s0"}), 1);
  EXPECT_EQ(after_banner().rfind("Poziom ilosci informacji wyswietlanej na ekranie ustalony na 0\n", 0), 0u);
  EXPECT_EQ(run({"-d"}), 1);
  EXPECT_EQ(after_banner().rfind("Poziom ilosci informacji wyswietlanej na ekranie ustalony na -1\n", 0), 0u);
  EXPECT_EQ(run({"-s7"}), 1);
  EXPECT_EQ(after_banner(), "\a\a");  // quiet: only the two alarms of the grid failure
  EXPECT_EQ(run({"-t", "-s2"}), 1);
  EXPECT_EQ(after_banner().rfind("Wlaczony tryb testowania parametrow wejsciowych i poczatkowej funkcji falowej\n", 0), 0u);
  EXPECT_EQ(out.find("Poziom ilosci"), std::string::npos);
  EXPECT_EQ(err,
            "\n\t*** Brak pliku parametrow sieci! (1d-grid.par)\n\n"
            "\n\t*** Blad: siec nie mogla byc prawidlowo zainicjowana\n\n");
}

TEST_F(Mirelo, MissingNamesFile) {
  EXPECT_EQ(run({"-pnames.txt"}), 1);
  EXPECT_EQ(after_banner(), "Pobieram nazwy plikow z parametrami z names.txt:\n\a");
  EXPECT_EQ(err, "\n\t*** Brak pliku z nazwami plikow z parametrami! (names.txt)\n\n");
}

TEST_F(Mirelo, NamesFileWithTwoNames) {
  core_capture::write_file("names.txt", "a.par\n  b.par\n");
  EXPECT_EQ(run({"-s2", "-pnames.txt"}), 1);
  EXPECT_EQ(file_name(grid_file_name), "a.par");
  EXPECT_EQ(file_name(wavefunction_file_name), "b.par");
  EXPECT_EQ(file_name(equation_file_name), "");
  EXPECT_EQ(err.rfind("\n\t*** Brak pliku parametrow sieci! (a.par)\n\n", 0), 0u);
}

TEST_F(Mirelo, EmptyNamesOptionKeepsDefaults) {
  EXPECT_EQ(run({"-p"}), 1);
  EXPECT_EQ(out.find("Pobieram"), std::string::npos);
  EXPECT_EQ(file_name(grid_file_name), "1d-grid.par");
}

}  // namespace

#include "run.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>

#include "wave_fixture.h"
#include "core_capture.h"

namespace {

struct Run : ::testing::Test {
  core_capture capture;
  grid_file grid_values{32, -8, 8, 10, 0, 0.01};
  equation_file equation_values;
  psi_file psi_values;

  // Runs with the files as set; returns the exit code, keeps the alarms.
  int run(int level, int test_mode = 0) {
    grid_values.write();
    equation_values.write();
    psi_values.write();
    testing::internal::CaptureStdout();
    const int code = run_simulation(level, test_mode);
    bells = testing::internal::GetCapturedStdout();
    return code;
  }
  std::string bells;
};

const std::string calendar = "[A-Z][a-z]{2} [A-Z][a-z]{2} [ 0-9]\\d \\d\\d:\\d\\d:\\d\\d \\d{4}\n";

TEST_F(Run, DefaultLevelRunsToTheEnd) {
  EXPECT_EQ(run(1), 0);
  const std::string text = capture.messages();
  EXPECT_EQ(text.rfind("Inicjacja siatki przestrzennej i czasowej ...\nInicjacja funkcji falowej (wymiar sieci: 32, gauss, dE)...\n", 0), 0u);
  EXPECT_NE(text.find("\n0. t=0  norma=1  <x>="), std::string::npos);
  EXPECT_NE(text.find("\n10. t=0.1  norma=1  <x>="), std::string::npos);
  EXPECT_TRUE(std::regex_search(text, std::regex("Usuwanie funkcji falowej...\nCzas trwania obliczen: \\d+ sek.\n\nOK \n\n$")))
      << text;
  EXPECT_EQ(capture.errors(), "");
  EXPECT_EQ(bells, "");
  EXPECT_TRUE(std::filesystem::exists("psi_stop.dat"));
  EXPECT_EQ(data_rows("1d-timed.dat").size(), 11u);
  EXPECT_EQ(core_capture::read_file("psi_stop.dat").substr(0, 31), "#Funkcja falowa w t=0.11 (11)\n#");
}

TEST_F(Run, QuietLevelPrintsNothing) {
  EXPECT_EQ(run(2), 0);
  EXPECT_EQ(capture.messages(), "");
  EXPECT_EQ(capture.errors(), "");
  EXPECT_TRUE(std::filesystem::exists("psi_stop.dat"));
}

TEST_F(Run, TestModeWritesOnlyTheStepZeroOutputs) {
  EXPECT_EQ(run(0, 1), 0);
  const std::string text = capture.messages();
  EXPECT_TRUE(std::regex_search(text, std::regex("^Uruchomienie programu: " + calendar + "Inicjacja siatki")));
  EXPECT_NE(text.find("\nTest parametrow wejsciowych: ustalam wielkosc sieci czasowej na 0\nUsuwanie funkcji falowej..."),
            std::string::npos);
  EXPECT_EQ(text.find("1. t="), std::string::npos);
  EXPECT_TRUE(std::regex_search(
      text, std::regex("Usuwanie funkcji falowej...\nRozpoczecie obliczen: " + calendar + "Zakonczenie obliczen: " +
                       calendar + "\nTest parametrow wejsciowych zakonczony\n\nCzas trwania obliczen: \\d+ sek.\n\nOK \n\n$")))
      << text;
  EXPECT_FALSE(std::filesystem::exists("psi_stop.dat"));
  EXPECT_EQ(data_rows("1d-timed.dat").size(), 1u);
  // The step-0 files show the grid as read.
  EXPECT_NE(core_capture::read_file("psi00000.dat").find("t: 10 (0,0.1)"), std::string::npos);

  capture.clear();
  EXPECT_EQ(run(2, 1), 0);
  EXPECT_EQ(capture.messages(), "Test parametrow wejsciowych: ustalam wielkosc sieci czasowej na 0\n");
}

TEST_F(Run, NoTimeStepsStillWritesTheFinalFile) {
  grid_values.tdim = 0;
  EXPECT_EQ(run(2), 0);
  EXPECT_EQ(data_rows("psi_stop.dat"), data_rows("psi00000.dat"));
  EXPECT_EQ(core_capture::read_file("psi_stop.dat").substr(0, 30), "#Funkcja falowa w t=0.01 (1)\n#");
  EXPECT_EQ(data_rows("1d-timed.dat").size(), 1u);
}

TEST_F(Run, GridFailureExitsWithOne) {
  std::filesystem::remove("1d-grid.par");
  psi_values.write();
  testing::internal::CaptureStdout();
  EXPECT_EQ(run_simulation(1, 0), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "\a\a");
  EXPECT_EQ(capture.errors(),
            "\n\t*** Brak pliku parametrow sieci! (1d-grid.par)\n\n"
            "\n\t*** Blad: siec nie mogla byc prawidlowo zainicjowana\n\n");
}

TEST_F(Run, WavefunctionFailureExitsWithOneAndNoFarewell) {
  psi_values.n = 0;
  EXPECT_EQ(run(1), 1);
  EXPECT_EQ(capture.errors(),
            "\n\t*** Bledne parametry funkcji falowej! (1d-psi.par)\n\n"
            "\n\t*** Blad: Funkcja falowa nie mogla byc prawidlowo zainicjowana\n\n");
  EXPECT_EQ(bells, "\a\a");
  EXPECT_EQ(capture.messages().find("Usuwanie"), std::string::npos);

  psi_values.n = 1;
  psi_values.cechowanie_hamiltonianu = 5;  // fails after the arrays exist
  capture.clear();
  EXPECT_EQ(run(1), 1);
  EXPECT_EQ(capture.messages().find("Usuwanie"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists("psi_stop.dat"));
}

TEST_F(Run, HomogeneousSystemStopsThePropagation) {
  grid_values = {4, 0, 3, 5, 0, 0.1};
  psi_values.typ_funkcji_pocz = 0;
  psi_values.nazwa_pliku = "zero.dat";
  core_capture::write_file("zero.dat", "0 0\n0 0\n0 0\n0 0\n-4\n4\n");
  EXPECT_EQ(run(1), 1);
  EXPECT_EQ(capture.errors(),
            "\n\t*** Uwaga! Norma funkcji poczatkowej wczytywanej z pliku rozna od 1\n\n"
            "\n\t*** Rownanie jednorodne => Rozwiazanie trywialne\n\n"
            "\n\t*** Blad: obliczenia propagacji funkcji falowej spowodowaly blad\n\n");
  EXPECT_EQ(bells, "\a\a");  // the solver's own line comes without the alarm
  EXPECT_FALSE(std::filesystem::exists("psi_stop.dat"));
  EXPECT_EQ(capture.messages().find("Usuwanie"), std::string::npos);
}

// Every example set reads and starts cleanly (test mode: no propagation).
TEST_F(Run, ExampleSetsStartCleanly) {
  const char* variable = std::getenv("EXAMPLES_DIR");
  const std::filesystem::path examples = variable ? std::filesystem::path(variable) : std::filesystem::path(DEFAULT_EXAMPLES_DIR);
  if (!std::filesystem::is_directory(examples)) GTEST_SKIP() << "no examples folder at " << examples;
  int sets = 0;
  for (const auto& folder : std::filesystem::directory_iterator(examples)) {
    if (!folder.is_directory()) continue;
    for (const char* name : {"1d-grid.par", "1d-eq.par", "1d-psi.par"})
      std::filesystem::copy_file(folder.path() / name, name, std::filesystem::copy_options::overwrite_existing);
    capture.clear();
    testing::internal::CaptureStdout();
    EXPECT_EQ(run_simulation(2, 1), 0) << folder.path();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << folder.path();
    EXPECT_EQ(capture.errors(), "") << folder.path();
    EXPECT_EQ(data_rows("1d-timed.dat").front()[1], 1) << folder.path();
    ++sets;
  }
  EXPECT_GE(sets, 3);
}

}  // namespace

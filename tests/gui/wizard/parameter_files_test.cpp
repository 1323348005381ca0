// The working parameter files as the wizard writes them, and the copies of
// named parameter files.
#include <gtest/gtest.h>

#include <QLocale>

#include <locale>

#include "core_capture.h"
#include "dialog_recorder.h"
#include "parameter_files.h"
#include "wizard_parameters.h"

namespace {

// The wizard's values as its constructor leaves them.
WizardParameters start_values() {
  WizardParameters values;
  values.typ_pot_absorb = 0;
  values.Uo_abs = 1.0;
  values.a_abs = 5.0;
  return values;
}

TEST(ParameterReal, ScientificWithFourteenDigitsAndAPoint) {
  EXPECT_EQ(parameter_real(1.0), "1.00000000000000e+00");
  EXPECT_EQ(parameter_real(-100.0), "-1.00000000000000e+02");
  EXPECT_EQ(parameter_real(0.1), "1.00000000000000e-01");
  EXPECT_EQ(parameter_real(0.0), "0.00000000000000e+00");
  EXPECT_EQ(parameter_real(1.57), "1.57000000000000e+00");
  EXPECT_EQ(parameter_real(-3.5e-7), "-3.50000000000000e-07");
}

TEST(ParameterReal, KeepsThePointUnderACommaLocale) {
  const QLocale previous;
  QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
  const std::locale previous_global = std::locale::global(std::locale::classic());
  // A global C++ locale with a comma, as a Polish system may give.
  struct comma : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
  };
  std::locale::global(std::locale(std::locale::classic(), new comma));
  const std::string text = parameter_real(0.5);
  std::locale::global(previous_global);
  QLocale::setDefault(previous);
  EXPECT_EQ(text, "5.00000000000000e-01");
}

TEST(WorkingFiles, GridFileOfTheStartValues) {
  EXPECT_EQ(grid_file_text(start_values()),
            "1.00000000000000e+00\n"
            "1024 -1.00000000000000e+02 1.00000000000000e+02\n"
            "1000 0.00000000000000e+00 1.00000000000000e-01\n");
}

TEST(WorkingFiles, WavefunctionFileOfTheStartValues) {
  EXPECT_EQ(wavefunction_file_text(start_values(), false),
            "1.00000000000000e+00\n"
            "1 brak\n"
            "0.00000000000000e+00 5.00000000000000e-01 0.00000000000000e+00 1\n"
            "5 0 0 0\n"
            "0\n"
            "0 brak\n");
}

TEST(WorkingFiles, WellStateCarriesThePotentialsWidthAndDepth) {
  WizardParameters values = start_values();
  values.typ_funkcji_pocz = 2;
  values.typ_potencjalu = 1;
  values.a = 2.5;
  values.Vo = -3.5;
  values.x0 = 7;  // a packet value, not written for a well state
  values.n = 2;
  const std::string text = wavefunction_file_text(values, true);
  EXPECT_NE(text.find("\n2 brak\n0 2.50000000000000e+00 -3.50000000000000e+00 2\n"), std::string::npos) << text;
}

TEST(WorkingFiles, EmptyInitialStateNameLeavesItsPlaceEmpty) {
  WizardParameters values = start_values();
  values.typ_funkcji_pocz = 0;
  values.nazwa_pliku.clear();
  const std::string text = wavefunction_file_text(values, false);
  EXPECT_NE(text.find("\n0 \n"), std::string::npos) << text;
}

TEST(WorkingFiles, EquationFileOfTheStartValues) {
  EXPECT_EQ(equation_file_text(start_values()),
            "1.00000000000000e+00\n"
            "0 0.00000000000000e+00 0.00000000000000e+00\n"
            "0.00000000000000e+00 0.00000000000000e+00 1.00000000000000e-01 0.00000000000000e+00 "
            "1.57000000000000e+00\n"
            "0.00000000000000e+00 0.00000000000000e+00 0.00000000000000e+00\n"
            "0 0.00000000000000e+00 0.00000000000000e+00\n"
            "0\n"
            "0 1.00000000000000e+00 5.00000000000000e+00\n"
            "0.00000000000000e+00 0.00000000000000e+00 0.00000000000000e+00\n"
            "0.00000000000000e+00\n"
            "1 0\n");
}

TEST(WorkingFiles, WritesTheThreeFilesAndTellsWhat) {
  core_capture capture;
  WizardParameters values = start_values();
  values.typ_pot_absorb = 1;
  const QStringList lines = write_working_files(values, false);
  EXPECT_EQ(lines, QStringList({"Zapisuję parametry symulacji do plików roboczych:", "1d-grid.par (wersja 1)",
                                "1d-eq.par (wersja 1)", "1d-psi.par (wersja 1)"}));
  EXPECT_EQ(core_capture::read_file("1d-grid.par"), grid_file_text(values));
  EXPECT_EQ(core_capture::read_file("1d-psi.par"), wavefunction_file_text(values, false));
  EXPECT_EQ(core_capture::read_file("1d-eq.par"), equation_file_text(values));
  EXPECT_NE(core_capture::read_file("1d-eq.par").find("\n1 1.00000000000000e+00 5.00000000000000e+00\n"),
            std::string::npos);
}

TEST(WorkingFiles, ReplacesOlderFiles) {
  core_capture capture;
  core_capture::write_file("1d-grid.par", std::string(500, 'x'));
  write_working_files(start_values(), false);
  EXPECT_EQ(core_capture::read_file("1d-grid.par"), grid_file_text(start_values()));
}

TEST(CopyParameterFile, CopiesAndReplaces) {
  core_capture capture;
  dialog_recorder boxes;
  core_capture::write_file("mine.par", "new");
  core_capture::write_file("1d-grid.par", "old");
  copy_parameter_file("mine.par", "1d-grid.par", true);
  EXPECT_EQ(core_capture::read_file("1d-grid.par"), "new");
  EXPECT_TRUE(boxes.messages.isEmpty());
}

TEST(CopyParameterFile, KeepsAnExistingTargetWithoutOverwrite) {
  core_capture capture;
  dialog_recorder boxes;
  core_capture::write_file("mine.par", "new");
  core_capture::write_file("1d-grid.par", "old");
  copy_parameter_file("mine.par", "1d-grid.par", false);
  EXPECT_EQ(core_capture::read_file("1d-grid.par"), "old");
  copy_parameter_file("mine.par", "fresh.par", false);
  EXPECT_EQ(core_capture::read_file("fresh.par"), "new");
}

TEST(CopyParameterFile, SameNameDoesNothing) {
  core_capture capture;
  dialog_recorder boxes;
  copy_parameter_file("1d-grid.par", "1d-grid.par", true);  // missing, but no box either
  EXPECT_TRUE(boxes.messages.isEmpty());
}

TEST(CopyParameterFile, MissingSourceIsToldAndKeepsTheOldTarget) {
  core_capture capture;
  dialog_recorder boxes;
  core_capture::write_file("1d-grid.par", "old");
  copy_parameter_file("gone.par", "1d-grid.par", true);
  EXPECT_EQ(boxes.messages, QStringList("Błąd: plik gone.par nie istnieje"));
  EXPECT_EQ(core_capture::read_file("1d-grid.par"), "old");
}

}  // namespace

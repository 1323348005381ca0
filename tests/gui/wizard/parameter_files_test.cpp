// The working parameter files as the wizard writes them, and the copies of
// named parameter files.
#include <gtest/gtest.h>

#include <QLocale>

#include <locale>

#include "core_capture.h"
#include "dialog_recorder.h"
#include "equation_base.h"
#include "grid_parameters.h"
#include "parameter_files.h"
#include "parameter_kinds.h"
#include "wavefunction.h"
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

// Values that differ from each other and from every default, so that a
// field written in another's place, or not at all, shows.
WizardParameters distinct_values() {
  WizardParameters v;
  v.xdim = 64;
  v.xmin = -20;
  v.xmax = 24;
  v.dx = 44.0 / 63;
  v.tdim = 7;
  v.tmin = 0.5;
  v.dt = 0.05;
  v.tmax = 7 * 0.05 + 0.5;
  v.typ_potencjalu = soft_core;
  v.Vo = -1.5;
  v.a = 2.25;
  v.Ec = 0.125;
  v.Eo = 0.375;
  v.w = 0.0625;
  v.k = 0.001;
  v.phi = 1.25;
  v.w2 = 0.01;
  v.w3 = 0.02;
  v.w4 = 0.03;
  v.typ_obwiedni = sine_squared_envelope;
  v.T1 = 3.5;
  v.T2 = 4.5;
  v.pA_cechowanie_mieszane = 1;
  v.typ_pot_absorb = power_absorber;
  v.Uo_abs = 0.75;
  v.a_abs = 6.5;
  v.Uor_abs = 0.5;
  v.Nr_abs = 2;
  v.Ni_abs = 3;
  v.nieliniowosc_SN = 0.015625;
  v.v_save = 0;
  v.e_save = 1;
  v.typ_funkcji_pocz = gaussian_packet;
  v.x0 = -2.5;
  v.packet_width = 1.75;
  v.k0 = 0.5;
  v.n = 3;
  v.co_ile_krokow_zapis_wykresu = 4;
  v.co_ile_krokow_zapis_funkcji = 6;
  v.co_ile_krokow_zapis_fft = 8;
  v.przesuniecie = 2;
  v.cechowanie_hamiltonianu = velocity_gauge;
  v.rzutuj_na_plik = 1;
  v.rzutuj_nazwa_pliku = "rzut.dat";
  return v;
}

// The three working files read back by the core, which must find every
// value where the wizard put it.
class ReadBack : public testing::Test {
 protected:
  void read(const WizardParameters& values, bool use_well_parameters) {
    write_working_files(values, use_well_parameters);
    grid = std::make_unique<grid_parameters>("1d-grid.par", 2);
    ASSERT_EQ(grid->status, 0) << capture.errors();
    wave = std::make_unique<wavefunction>(*grid, "1d-psi.par", 2);
    ASSERT_EQ(wave->status, 0) << capture.errors();
  }
  core_capture capture;
  std::unique_ptr<grid_parameters> grid;
  std::unique_ptr<wavefunction> wave;
};

TEST_F(ReadBack, GridFile) {
  const WizardParameters v = distinct_values();
  read(v, false);
  EXPECT_EQ(grid->version, v.grid_version);
  EXPECT_EQ(grid->xdim(), v.xdim);
  EXPECT_DOUBLE_EQ(grid->xmin, v.xmin);
  EXPECT_DOUBLE_EQ(grid->xmax, v.xmax);
  EXPECT_DOUBLE_EQ(grid->dx, v.dx);
  EXPECT_EQ(grid->tdim, v.tdim);
  EXPECT_DOUBLE_EQ(grid->tmin, v.tmin);
  EXPECT_DOUBLE_EQ(grid->dt, v.dt);
  EXPECT_DOUBLE_EQ(grid->tmax, v.tmax);
}

TEST_F(ReadBack, EquationFile) {
  const WizardParameters v = distinct_values();
  read(v, false);
  const equation_base& e = *wave->equation;
  EXPECT_EQ(e.version, v.equation_version);
  EXPECT_EQ(e.typ_potencjalu, v.typ_potencjalu);
  EXPECT_DOUBLE_EQ(e.Vo, v.Vo);
  EXPECT_DOUBLE_EQ(e.a, v.a);
  EXPECT_DOUBLE_EQ(e.Ec, v.Ec);
  EXPECT_DOUBLE_EQ(e.Eo, v.Eo);
  EXPECT_DOUBLE_EQ(e.w, v.w);
  EXPECT_DOUBLE_EQ(e.k, v.k);
  EXPECT_DOUBLE_EQ(e.phi, v.phi);
  EXPECT_DOUBLE_EQ(e.w2, v.w2);
  EXPECT_DOUBLE_EQ(e.w3, v.w3);
  EXPECT_DOUBLE_EQ(e.w4, v.w4);
  EXPECT_EQ(e.typ_obwiedni, v.typ_obwiedni);
  EXPECT_DOUBLE_EQ(e.T1, v.T1);
  EXPECT_DOUBLE_EQ(e.T2, v.T2);
  EXPECT_EQ(e.pA_cechowanie_mieszane, v.pA_cechowanie_mieszane);
  EXPECT_EQ(e.typ_pot_absorb, v.typ_pot_absorb);
  EXPECT_DOUBLE_EQ(e.Uo_abs, v.Uo_abs);
  EXPECT_DOUBLE_EQ(e.a_abs, v.a_abs);
  EXPECT_DOUBLE_EQ(e.Uor_abs, v.Uor_abs);
  EXPECT_DOUBLE_EQ(e.Nr_abs, v.Nr_abs);
  EXPECT_DOUBLE_EQ(e.Ni_abs, v.Ni_abs);
  EXPECT_DOUBLE_EQ(e.nieliniowosc_SN, v.nieliniowosc_SN);
  EXPECT_EQ(e.v_save, v.v_save);
  EXPECT_EQ(e.e_save, v.e_save);
  EXPECT_EQ(e.label, "wersja pA");  // the gauge of the wavefunction file chose the variant
}

TEST_F(ReadBack, WavefunctionFileOfAPacket) {
  const WizardParameters v = distinct_values();
  read(v, false);
  EXPECT_EQ(wave->ver, v.wavefunction_version);
  EXPECT_EQ(wave->typ_funkcji_pocz, v.typ_funkcji_pocz);
  EXPECT_EQ(wave->nazwa_pliku, v.nazwa_pliku.toStdString());
  EXPECT_DOUBLE_EQ(wave->x0, v.x0);
  EXPECT_DOUBLE_EQ(wave->a, v.packet_width);
  EXPECT_DOUBLE_EQ(wave->k, v.k0);
  EXPECT_EQ(wave->n, v.n);
  EXPECT_EQ(wave->co_ile_krokow_zapis_wykresu, v.co_ile_krokow_zapis_wykresu);
  EXPECT_EQ(wave->co_ile_krokow_zapis_funkcji, v.co_ile_krokow_zapis_funkcji);
  EXPECT_EQ(wave->co_ile_krokow_zapis_fft, v.co_ile_krokow_zapis_fft);
  EXPECT_EQ(wave->przesuniecie, v.przesuniecie);
  EXPECT_EQ(wave->cechowanie_hamiltonianu, v.cechowanie_hamiltonianu);
  EXPECT_EQ(wave->rzutuj_na_plik, v.rzutuj_na_plik);
  EXPECT_EQ(wave->rzutuj_nazwa_pliku, v.rzutuj_nazwa_pliku.toStdString());
}

// A well state takes the potential's width and depth in place of the
// packet's width and momentum; the packet's position is not written.
TEST_F(ReadBack, WavefunctionFileOfAWellState) {
  WizardParameters v = distinct_values();
  v.typ_funkcji_pocz = well_eigenstate;
  v.typ_potencjalu = square_well;
  v.cechowanie_hamiltonianu = length_gauge;
  v.n = 2;
  read(v, true);
  EXPECT_EQ(wave->typ_funkcji_pocz, well_eigenstate);
  EXPECT_EQ(wave->x0, 0.0);
  EXPECT_DOUBLE_EQ(wave->a, v.a);
  EXPECT_DOUBLE_EQ(wave->k, v.Vo);
  EXPECT_EQ(wave->n, 2);
  EXPECT_EQ(wave->equation->label, "wersja dE");
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

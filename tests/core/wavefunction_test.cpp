#include "wavefunction.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core_capture.h"
#include "equation_base.h"
#include "grid_parameters.h"
#include "initial_states.h"
#include "wave_fixture.h"

namespace {

struct Wavefunction : ::testing::Test {
  core_capture capture;
  grid_file grid_values;
  equation_file equation_values;
  psi_file psi_values;

  // Writes the three files and builds the grid; the wavefunction is built
  // by the test on it.
  grid_parameters& write_run(int level = 1) {
    grid_values.write();
    equation_values.write();
    psi_values.write();
    grid = std::make_unique<grid_parameters>("1d-grid.par", level);
    capture.clear();
    return *grid;
  }
  std::unique_ptr<grid_parameters> grid;
};

TEST_F(Wavefunction, StartUpLinesAtDefaultLevel) {
  grid_values = {201, 0, 20, 5, 0, 0.01};
  psi_values.x0 = 10;
  wavefunction wave(write_run(), "1d-psi.par", 1);
  EXPECT_EQ(wave.status, 0);
  EXPECT_EQ(wave.step, 1);
  EXPECT_EQ(wave.N, 202);
  EXPECT_EQ(capture.messages(),
            "Inicjacja funkcji falowej (wymiar sieci: 201, gauss, dE)...\n"
            "Inicjacja rownania Schrodingera (klasa bazowa) ...\n"
            "Inicjacja rownania Schrodingera (wersja dE) ...\n"
            "0. t=0  norma=1  <x>=10  |<0|t>|^2=1\n");
  // 201 points: no FFT file for counter 0.
  EXPECT_EQ(capture.errors(), "\n\t*** Ostrzezenie: Liczba punktow sieci nie jest potega 2. Pomijam zapis FFT do pliku\n\n");
  EXPECT_EQ(wave.last_plot_file, "plt00000.dat");
}

TEST_F(Wavefunction, SummariesAtLevelZeroInOrder) {
  grid_values = {64, -10, 10, 5, 0, 0.01};
  psi_values = {};
  psi_values.typ_funkcji_pocz = 1;
  psi_values.x0 = 0.5;
  psi_values.a = 2;
  psi_values.k = 0.25;
  psi_values.co_ile_krokow_zapis_wykresu = 3;
  psi_values.co_ile_krokow_zapis_funkcji = 4;
  psi_values.co_ile_krokow_zapis_fft = 5;
  psi_values.przesuniecie = -2;
  psi_values.rzutuj_na_plik = 1;
  psi_values.rzutuj_nazwa_pliku = "proj.dat";
  auto& g = write_run(0);
  capture.clear();
  {
    wavefunction wave(g, "1d-psi.par", 0);
    ASSERT_EQ(wave.status, 0);
  }
  const std::string text = capture.messages();
  const char* pieces[] = {
      "Parametry funkcji falowej pobrano z pliku: 1d-psi.par, wersja 1\n"
      "Funkcja falowa Psi(x,t=0): gauss, xo=0.5, a=2, k=0.25, n=1\n"
      "Ilosc punktow czasowych pomiedzy zapisem funkcji do pliku: 4, wykresow: 3, FFT: 5, przesuniecie: -2\n"
      "Rzutowanie na plik wlaczone (proj.dat)\n"
      "Inicjacja funkcji falowej (wymiar sieci: 64, gauss, dE)...\n"
      "Funkcja falowa: Parametry sieci  x: 64 (-10,10),  t: 5 (0,0.05)\n"
      "Funkcja falowa: Zarezerwowane 6 blokow pamiec po 1.01562 kb (lacznie 0.00595093 Mb)\n"
      "Funkcja falowa: Adresy blokow pamieci: ",
      "Inicjacja rownania Schrodingera (klasa bazowa) ...\n",
      "Uwaga! W trakcie obliczen funkcja falowa unormowana jest do sumy, dopiero przy zapisie do pliku mnozona "
      "jest przez dx\nGauss: N*exp(-((x-x0)/4a)^2+ikx): N=",
      "Kwadrat normy funkcji falowej: 1\n<Psi|x|Psi>=",
      "0. t=0  norma=1  <x>=",
      "Usuwanie funkcji falowej...",
  };
  std::size_t from = 0;
  for (const char* piece : pieces) {
    const std::size_t at = text.find(piece, from);
    ASSERT_NE(at, std::string::npos) << piece << "\n--- in ---\n" << text;
    from = at + 1;
  }
  // The projection file is missing: a warning, and the column stays 0.
  EXPECT_EQ(capture.errors(), "\n\t*** Ostrzezenie: Brak pliku poczatkowej funkcji falowej! (proj.dat)\n\n");
}

TEST_F(Wavefunction, VersionAndParameterChecks) {
  auto& g = write_run();
  struct {
    const char* file;
    int status;
    const char* errors;
  } cases[] = {
      {"1.0 1 x 0 1 0 1 0 0 0 0 0 0 x", 0, ""},
      {"1.01 1 x 0 1 0 1 0 0 0 0 0 0 x", 1, "\n\t*** Nieodpowiednia wersja pliku z parametrami! (p.par)\n\n"},
      {"1 1 x 0 1 0 0 0 0 0 0 0 0 x", 1, "\n\t*** Bledne parametry funkcji falowej! (p.par)\n\n"},
      {"1 1 x 0 -1 0 1 0 0 0 0 0 0 x", 1, "\n\t*** Bledne parametry funkcji falowej! (p.par)\n\n"},
      {"1 1 x 0 1 0 1 -1 0 0 0 0 0 x", 1, "\n\t*** Bledne parametry funkcji falowej! (p.par)\n\n"},
      {"1 1 x 0 1 0 1 0 0 0 -7 0 0 x", 0, ""},  // a negative offset is fine
  };
  for (const auto& c : cases) {
    capture.clear();
    core_capture::write_file("p.par", c.file);
    testing::internal::CaptureStdout();
    wavefunction wave(g, "p.par", 2);
    const std::string bells = testing::internal::GetCapturedStdout();
    EXPECT_EQ(wave.status, c.status) << c.file;
    EXPECT_EQ(capture.errors(), c.errors) << c.file;
    EXPECT_EQ(bells, c.status ? "\a" : "") << c.file;
    if (c.status) {
      EXPECT_EQ(wave.psi, nullptr) << "nothing is allocated after a reading error";
    }
  }
  capture.clear();
  wavefunction unnamed(g, "", 2);
  EXPECT_EQ(capture.errors(), "\n\t*** Brak nazwy pliku parametrow funkcji falowej! ()\n\n");
  capture.clear();
  wavefunction missing(g, "none.par", 2);
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(capture.errors(), "\n\t*** Brak pliku parametrow funkcji falowej! (none.par)\n\n");
}

TEST_F(Wavefunction, BadKindAndGaugeFailAfterAllocation) {
  psi_values.typ_funkcji_pocz = 4;
  auto& g = write_run(0);
  {
    wavefunction wave(g, "1d-psi.par", 0);
    EXPECT_EQ(wave.status, 1);
    EXPECT_NE(wave.psi, nullptr);
    EXPECT_NE(capture.messages().find("Funkcja falowa Psi(x,t=0): zle okreslony, xo="), std::string::npos);
    EXPECT_NE(capture.messages().find("(wymiar sieci: 64, zle okreslony typ funkcji, dE)...\n"), std::string::npos);
    EXPECT_EQ(capture.errors(), "\n\t*** Blad: typ funkcji zle okreslony\n");
  }
  psi_values.typ_funkcji_pocz = 1;
  psi_values.cechowanie_hamiltonianu = 2;
  psi_values.write();
  capture.clear();
  wavefunction wave(g, "1d-psi.par", 1);
  EXPECT_EQ(wave.status, 1);
  EXPECT_NE(wave.D, nullptr);
  EXPECT_EQ(wave.equation, nullptr);
  EXPECT_EQ(capture.messages(), "Inicjacja funkcji falowej (wymiar sieci: 64, gauss, zle okreslone cechowanie hamiltonianu)...\n");
  EXPECT_EQ(capture.errors(), "\n\t*** Blad: zle okreslone cechowanie hamiltonianu\n");
}

TEST_F(Wavefunction, EquationErrorAndDestructorMessage) {
  auto& g = write_run();
  std::remove("1d-eq.par");
  {
    wavefunction wave(g, "1d-psi.par", 1);
    EXPECT_EQ(wave.status, 1);
    EXPECT_EQ(capture.errors(),
              "\n\t*** Brak pliku parametrow rownania! (1d-eq.par)\n\n"
              "\n\t*** Blad: parametry rownania nie zostaly prawidlowo pobrane\n\n");
    capture.clear();
  }
  EXPECT_EQ(capture.messages(), "Usuwanie funkcji falowej...");
  equation_values.write();
  capture.clear();
  {
    wavefunction wave(g, "1d-psi.par", 1);
    wave.set_message_level(2);
    capture.clear();
  }
  EXPECT_EQ(capture.messages(), "");
}

TEST_F(Wavefunction, HugeGridsFailWithTheirOwnMessage) {
  for (int xdim : {300000000, 2000000000}) {
    grid_values = {xdim, -10, 10, 5, 0, 0.01};
    auto& g = write_run();
    wavefunction wave(g, "1d-psi.par", 1);
    EXPECT_EQ(wave.status, 1);
    const std::string errors = capture.errors();
    EXPECT_TRUE(errors == "\n\t*** Blad: nieudana rezerwacja blokow pamieci dla funkcji falowej\n\n" ||
                errors == "\n\t*** Blad: wymiar sieci powoduje przekroczenie zakresu typu size_t\n\n")
        << errors;
  }
}

TEST_F(Wavefunction, GaussianIsNormalisedWithTheFourADivisor) {
  grid_values = {201, -10, 10, 5, 0, 0.01};
  auto& g = write_run();
  std::vector<std::complex<double>> psi(g.x_count + 1);
  gaussian_state(g, 0, 0.5, 0, psi.data(), 1);
  double sum = 0;
  for (int i = 1; i <= g.xdim(); ++i) {
    sum += std::norm(psi[i]);
    EXPECT_EQ(psi[i].imag(), 0);
    EXPECT_NEAR(std::abs(psi[i]), std::abs(psi[g.xdim() + 1 - i]), 1e-15);
  }
  EXPECT_NEAR(sum, 1, 1e-14);
  // x = 2 is 4a from the centre: the amplitude has fallen by e.
  EXPECT_NEAR(psi[121].real() / psi[101].real(), std::exp(-1.0), 1e-12);
  EXPECT_EQ(psi[0], std::complex<double>(0));

  gaussian_state(g, 0, 0.5, 3, psi.data(), 0);
  EXPECT_NEAR(std::arg(psi[111]), std::remainder(3 * 1.0, 2 * M_PI), 1e-12);
  EXPECT_NE(capture.messages().find("Gauss: N*exp(-((x-x0)/4a)^2+ikx): N=0."), std::string::npos);
  EXPECT_NE(capture.messages().find(", a=0.5, x0=0, k=3\n"), std::string::npos);

  // Zero width: all of the state on the node at x0, none when no node is there.
  gaussian_state(g, -10, 0, 0, psi.data(), 1);
  for (int i = 1; i <= g.xdim(); ++i) EXPECT_EQ(psi[i], std::complex<double>(i == 1 ? 1 : 0)) << i;
  gaussian_state(g, 0.05, 0, 0, psi.data(), 1);
  for (int i = 1; i <= g.xdim(); ++i) EXPECT_EQ(psi[i], std::complex<double>(0)) << i;
}

TEST_F(Wavefunction, WellAndShootingStatesFillTheInitialArray) {
  grid_values = {400, -20, 20, 5, 0, 0.01};
  equation_values.typ_potencjalu = 2;  // soft-core, for the shooting state
  equation_values.Vo = -1;
  equation_values.a = 1;
  for (int kind : {2, 3}) {
    psi_values = {};
    psi_values.typ_funkcji_pocz = kind;
    psi_values.a = 2;
    psi_values.k = -1;  // the well's depth Uo
    auto& g = write_run();
    wavefunction wave(g, "1d-psi.par", 1);
    ASSERT_EQ(wave.status, 0) << kind;
    EXPECT_NEAR(wave.norm, 1, 1e-12);
    EXPECT_NEAR(wave.mean_position, 0, 1e-6);
    EXPECT_EQ(wave.initial[200].imag(), 0);
    EXPECT_GT(std::abs(wave.initial[200].real()), 0.05);
    EXPECT_EQ(wave.psi[200], wave.initial[200]);
    EXPECT_EQ(wave.psi[401], std::complex<double>(0));
  }
}

// --- kind 0: a wavefunction read from a file ---

struct InitialFile : Wavefunction {
  void SetUp() override {
    grid_values = {4, 0, 3, 1, 0, 0.1};
    grid_values.write();
    grid = std::make_unique<grid_parameters>("1d-grid.par", 2);
    capture.clear();
  }
  std::vector<std::complex<double>> read(const std::string& text, int level = 1) {
    core_capture::write_file("init.dat", text);
    std::vector<std::complex<double>> psi(grid->x_count + 1, {9, 9});
    psi[0] = psi[grid->x_count] = 0;
    read_initial_file(*grid, psi.data(), "init.dat", level);
    return psi;
  }
};

TEST_F(InitialFile, ReadsCommentsFirstLineAndPairs) {
  const std::string body = "0.5 0.5\n0.5  -0.5\n  0.25 0\n0.5\n0.25\n0\n3\n";
  auto psi = read("#Funkcja falowa w t=0 (0)\n#two\n" + body, -1);
  EXPECT_EQ(psi[1], std::complex<double>(0.5, 0.5));
  EXPECT_EQ(psi[2], std::complex<double>(0.5, -0.5));
  EXPECT_EQ(psi[3], std::complex<double>(0.25, 0));
  EXPECT_EQ(psi[4], std::complex<double>(0.5, 0.25));
  EXPECT_EQ(psi[5], std::complex<double>(0));
  EXPECT_EQ(capture.messages(),
            "Naglowek pliku: #Funkcja falowa w t=0 (0)\nNaglowek pliku: #two\n"
            "Funkcja czytana z pliku (init.dat): norma=1.375, <x>=1.5625\n");
  EXPECT_EQ(capture.errors(), "\n\t*** Uwaga! Norma funkcji poczatkowej wczytywanej z pliku rozna od 1\n\n");
}

TEST_F(InitialFile, NormWarningOnlyBeyondTheTolerance) {
  testing::internal::CaptureStdout();
  read("1 0\n0 0\n0 0\n0.0022360679774997895 0\n");  // norm 1.000005
  read("1 0\n0 0\n0 0\n0 0\n");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(capture.errors(), "");
  testing::internal::CaptureStdout();
  auto psi = read("#\n0.99995 0\n");  // norm 0.9999 and three nodes missing
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "\a");
  EXPECT_EQ(capture.errors(), "\n\t*** Uwaga! Norma funkcji poczatkowej wczytywanej z pliku rozna od 1\n\n");
  EXPECT_EQ(psi[1], std::complex<double>(0.99995, 0));
  for (int i = 2; i <= 4; ++i) EXPECT_EQ(psi[i], std::complex<double>(0)) << i;
}

TEST_F(InitialFile, UnreadableTokenLeavesTheRestZero) {
  auto psi = read("0.5 0\n0.5 0\nabc 0.5\n0.5 0.5\n");
  EXPECT_EQ(psi[2], std::complex<double>(0.5, 0));
  EXPECT_EQ(psi[3], std::complex<double>(0));
  EXPECT_EQ(psi[4], std::complex<double>(0));
  EXPECT_NE(capture.errors().find("rozna od 1"), std::string::npos);
}

TEST_F(InitialFile, MissingNameOrFileIsFatal) {
  std::vector<std::complex<double>> psi(grid->x_count + 1);
  EXPECT_THROW(read_initial_file(*grid, psi.data(), "", 1), fatal_ended);
  EXPECT_EQ(capture.errors(), "\n\t*** Brak nazwy pliku poczatkowej funkcji falowej!\n\n");
  capture.clear();
  testing::internal::CaptureStdout();
  EXPECT_THROW(read_initial_file(*grid, psi.data(), "gone.dat", 1), fatal_ended);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "\a");
  EXPECT_EQ(capture.errors(), "\n\t*** Brak pliku poczatkowej funkcji falowej! (gone.dat)\n\n");
}

}  // namespace

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>

#include "core_capture.h"
#include "equation_base.h"
#include "grid_parameters.h"
#include "number_text.h"
#include "wave_fixture.h"
#include "wavefunction.h"

namespace {

using cd = std::complex<double>;

struct Outputs : wave_run {
  Outputs() { grid_values = {16, -4, 4, 3, 0.5, 0.25}; }
  static std::vector<std::string> lines(const std::string& name) {
    std::istringstream in(core_capture::read_file(name));
    std::vector<std::string> result;
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
  }
};

TEST_F(Outputs, SnapshotHeadersAndLayout) {
  psi_values.x0 = 0.3;
  psi_values.k = 1;
  start();
  const std::string grid_line = "#Parametry sieci  x: 16 (-4,4),  t: 3 (0.5,1.25)";

  const auto plot = lines("plt00000.dat");
  ASSERT_EQ(plot.size(), 5u + 16);
  EXPECT_EQ(plot[0], "#Funkcja falowa w t=0.5 (0)");
  EXPECT_EQ(plot[1], "#Kwadrat modulu |Psi(x)|^2");
  EXPECT_EQ(plot[2], grid_line);
  EXPECT_EQ(plot[3], "#");
  EXPECT_EQ(plot[4], "#x norm(Psi(x))");
  EXPECT_EQ(plot[5].substr(0, 4), "-4  ");

  const auto psi = lines("psi00000.dat");
  ASSERT_EQ(psi.size(), 5u + 16 + 2);
  EXPECT_EQ(psi[0], "#Funkcja falowa w t=0.5 (0)");
  EXPECT_EQ(psi[1], "#Funkcja falowa (czesc rzeczywista i urojona)");
  EXPECT_EQ(psi[2], grid_line);
  EXPECT_EQ(psi[3], "#");
  EXPECT_EQ(psi[4], "#Re(Psi(x)) Im(Psi(x)");
  EXPECT_EQ(psi[21], "-4");
  EXPECT_EQ(psi[22], "4");
  // 19 significant digits: node 9 (x = 0.2666...) written exactly enough to read back.
  std::ostringstream expected;
  expected.precision(19);
  expected << wave->psi[9].real() << "  " << wave->psi[9].imag();
  EXPECT_EQ(psi[5 + 8], expected.str());

  const auto fft = lines("fft00000.dat");
  ASSERT_EQ(fft.size(), 5u + 16 + 2);
  EXPECT_EQ(fft[0], "#Funkcja FFT w t=0.5 (0)");
  EXPECT_EQ(fft[1], "#Funkcja falowa FFT (czesc rzeczywista i urojona)");
  EXPECT_EQ(fft[2], grid_line);
  EXPECT_EQ(fft[4], "#Re(FFT(Psi(x,y))) Im(FFT(Psi(x,y))");
  EXPECT_EQ(fft[21], "-5.89049");  // -pi/dx with dx = 8/15
  EXPECT_EQ(fft[22], "5.89049");

  std::ostringstream timed;
  timed << "#Wielkosci zalezne od czasu\n#\n#t  norma  |<0|t>|^2  <x>\n0.5  1  1  " << wave->mean_position << "\n";
  EXPECT_EQ(core_capture::read_file("1d-timed.dat"), timed.str());
}

TEST_F(Outputs, PlotCarriesDxAndWavefunctionFileTheNorm) {
  psi_values.a = 0.7;
  psi_values.k = -2;
  start();
  double plot_sum = 0, psi_sum = 0;
  for (const auto& row : data_rows("plt00000.dat")) plot_sum += row[1];
  const auto rows = data_rows("psi00000.dat");
  for (std::size_t r = 0; r < 16; ++r) psi_sum += rows[r][0] * rows[r][0] + rows[r][1] * rows[r][1];
  EXPECT_NEAR(plot_sum, grid->dx, 1e-6);
  EXPECT_NEAR(psi_sum, 1, 1e-15);
}

TEST_F(Outputs, WavefunctionFileReadsBackAsInitialState) {
  grid_values.xdim = 4096;  // files of several write blocks
  psi_values.a = 0.7;
  psi_values.k = 1.3;
  start();
  std::vector<cd> first(wave->psi.get(), wave->psi.get() + wave->N + 1);
  std::filesystem::rename("psi00000.dat", "start.dat");
  const auto written = lines("start.dat");
  ASSERT_EQ(written.size(), 5u + 4096 + 2);
  EXPECT_EQ(written[written.size() - 2], "-4");
  EXPECT_EQ(written.back(), "4");
  EXPECT_EQ(lines("fft00000.dat").size(), 5u + 4096 + 2);
  psi_values.typ_funkcji_pocz = 0;
  psi_values.nazwa_pliku = "start.dat";
  capture.clear();
  start(1);
  for (int i = 1; i < wave->N; ++i) EXPECT_EQ(wave->initial[i], first[i]) << i;
  EXPECT_EQ(capture.errors(), "");

  // One more comment line at the top reads the same values.
  core_capture::write_file("start2.dat", "#extra\n" + core_capture::read_file("start.dat"));
  psi_values.nazwa_pliku = "start2.dat";
  start(1);
  for (int i = 1; i < wave->N; ++i) EXPECT_EQ(wave->initial[i], first[i]) << i;
}

TEST_F(Outputs, ProjectionOnTheFirstWavefunctionFileEqualsTheOverlap) {
  psi_values.k = 1;
  psi_values.co_ile_krokow_zapis_wykresu = 0;
  equation_values.Eo = 0.5;
  equation_values.w = 2;
  psi_values.cechowanie_hamiltonianu = 1;  // the gauge phase enters both sums
  start();
  psi_values.rzutuj_na_plik = 1;
  psi_values.rzutuj_nazwa_pliku = "first.dat";
  std::filesystem::rename("psi00000.dat", "first.dat");
  start();
  for (int s = 0; s < 3; ++s) ASSERT_EQ(wave->step_forward(), 0);
  const auto text = core_capture::read_file("1d-timed.dat");
  EXPECT_EQ(text.substr(0, text.find('\n', 30) + 1),
            "#Wielkosci zalezne od czasu\n#\n#t  norma  |<plik|t>|^2  |<0|t>|^2  <x>\n");
  const auto rows = data_rows("1d-timed.dat");
  ASSERT_EQ(rows.size(), 4u);
  for (const auto& row : rows) {
    ASSERT_EQ(row.size(), 5u);
    EXPECT_NEAR(row[2], row[3], 1e-5);
  }
  EXPECT_LT(rows.back()[3], 0.999) << "the state has moved away";
  EXPECT_NEAR(wave->projection, wave->overlap, 1e-14);

  // The overlap takes the equation's gauge phase at the time of the node.
  wave->compute_overlap();
  const double t = static_cast<double>(grid->t(wave->step));
  cd S = 0;
  for (int i = 1; i < wave->N; ++i) {
    S += std::conj(wave->initial[i]) * wave->equation->gauge_phase(static_cast<double>(grid->x(i)), t) * wave->psi[i];
  }
  EXPECT_NEAR(wave->overlap, std::norm(S), 1e-13);
}

TEST_F(Outputs, MissingProjectionFileWarnsEveryNode) {
  psi_values.rzutuj_na_plik = 1;
  psi_values.rzutuj_nazwa_pliku = "nowhere.dat";
  testing::internal::CaptureStdout();
  start();
  wave->step_forward();
  const std::string bells = testing::internal::GetCapturedStdout();
  const std::string warning = "\n\t*** Ostrzezenie: Brak pliku poczatkowej funkcji falowej! (nowhere.dat)\n\n";
  EXPECT_EQ(capture.errors(), warning + warning);
  EXPECT_EQ(bells, "\a\a");
  for (const auto& row : data_rows("1d-timed.dat")) EXPECT_EQ(row[2], 0);
}

TEST_F(Outputs, QuantityMessagesAndStepLine) {
  psi_values.rzutuj_na_plik = 1;
  psi_values.rzutuj_nazwa_pliku = "psi00000.dat";  // written at the end of construction
  start(0);
  capture.clear();
  wave->compute_overlap();
  wave->compute_projection("psi00000.dat");
  wave->mean_position = -2.5;
  wave->print_step_line();
  EXPECT_EQ(capture.messages(),
            "<Psi0|Psi(t)>=(1, 0)\n|<Psi0|Psi(t)>|^2=1\n<plik|Psi(t)>=(1, 0)\n|<plik|Psi(t)>|^2=1\n"
            "1. t=0.75  norma=1  <x>=-2.5  |<0|t>|^2=1\n");
}

TEST_F(Outputs, FftNeedsAPowerOfTwo) {
  grid_values.xdim = 1000;
  start(0);
  EXPECT_FALSE(std::filesystem::exists("fft00000.dat"));
  EXPECT_EQ(capture.errors(),
            "\n\t*** Ostrzezenie: Liczba punktow sieci nie jest potega 2. Pomijam zapis FFT do pliku\n\n");
  EXPECT_NE(capture.messages().find("Zapis FFT: Zajmowana pamiec: 15.6406 kb\n"), std::string::npos);

  grid_values.xdim = 1024;
  capture.clear();
  start(-1);
  EXPECT_EQ(lines("fft00000.dat").size(), 5u + 1024 + 2);
  EXPECT_NE(capture.messages().find("Adres zarezerwowanych tymczasowo bloków pamieci: 0x"), std::string::npos);
  // A Gaussian at rest: the transform peaks at zero frequency, in the middle.
  const auto rows = data_rows("fft00000.dat");
  std::size_t peak = 0;
  for (std::size_t r = 0; r < 1024; ++r)
    if (std::hypot(rows[r][0], rows[r][1]) > std::hypot(rows[peak][0], rows[peak][1])) peak = r;
  EXPECT_EQ(peak, 512u);
}

TEST_F(Outputs, FinalFileAndQuantitiesBelongToTheAdvancedCounter) {
  start();
  wave->step_forward();
  double t, norm, overlap, position;
  wave->get_quantities(t, norm, overlap, position);
  EXPECT_DOUBLE_EQ(t, 1.0);  // t_2, one dt after the node of the quantities
  EXPECT_EQ(norm, wave->norm);
  EXPECT_EQ(overlap, wave->overlap);
  EXPECT_EQ(position, wave->mean_position);
  wave->save_wavefunction("final.dat");
  EXPECT_EQ(lines("final.dat")[0], "#Funkcja falowa w t=1 (2)");
  const auto timed = data_rows("1d-timed.dat");
  ASSERT_EQ(timed.size(), 2u);
  EXPECT_EQ(timed[1][0], 0.75);
}

TEST(NumberText, MatchesTheStreamDefaultFormat) {
  const double values[] = {0,     -0.0,     1,       0.1,     1e-5,     123456,   1234567, -2.5e-300,
                           1e300, 4.9e-324, 1.0 / 3, 6.02e23, 0.0001, 100000.5, -7.25,   M_PI};
  for (double value : values) {
    for (int digits : {6, 19}) {
      std::ostringstream stream;
      stream.precision(digits);
      stream << value;
      std::string text;
      append_number(text, value, digits);
      EXPECT_EQ(text, stream.str()) << value << " " << digits;
    }
  }
}

}  // namespace

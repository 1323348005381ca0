#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "core_capture.h"
#include "number_text.h"
#include "harmonics_main.h"
#include "wave_fixture.h"

namespace {

constexpr double w = 0.057;
constexpr double pi = 3.141592653589793;

bool have_gnuplot() { return std::system("command -v gnuplot >/dev/null 2>&1") == 0; }

int run_spectrum(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "mirelo-spectrum");
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  return spectrum_main(static_cast<int>(argv.size()), argv.data());
}

// A dipole record of `nodes` lines, written as the core writes it; x and a
// are functions of t.
template <class Position, class Acceleration>
void write_record(int nodes, double dt, Position x, Acceleration a) {
  std::string text = "#Przyspieszenie dipolowe (wersja dE)\n#\n#t  <x>  <dV/dx>  F(t)  a(t)\n";
  for (int j = 0; j < nodes; ++j) {
    const double t = j * dt;
    for (double value : {t, x(t), 0.0, a(t), a(t)}) {
      append_number(text, value, 17);
      text += "  ";
    }
    text += "\n";
  }
  core_capture::write_file("1d-dipole.dat", text);
}

struct Spectrum : ::testing::Test {
  core_capture capture;
  Spectrum() {
    grid_file{}.write();
    equation_file equation;
    equation.w = w;
    equation.Eo = 0.05;
    equation.write();
    psi_file{}.write();
  }
  // The row of largest power beyond order 0.5, and the largest power
  // farther than `apart` orders from it.
  static void peak(const std::vector<std::vector<double>>& rows, double apart, double& order, double& power,
                   double& elsewhere) {
    order = power = elsewhere = 0;
    for (const auto& row : rows)
      if (row[0] > 0.5 && row[2] > power) order = row[0], power = row[2];
    for (const auto& row : rows)
      if (row[0] > 0.5 && std::fabs(row[0] - order) > apart) elsewhere = std::max(elsewhere, row[2]);
  }
};

// a = sin(3wt), x = -a/(3w)^2: one line at order 3 in every form, with the
// heights that differentiation gives: |x| = |a|/(3w)^2, |v| = |a|/(3w).
TEST_F(Spectrum, ThirdHarmonicInEveryFormAndWindow) {
  if (!have_gnuplot()) GTEST_SKIP() << "gnuplot is not installed";
  const double W = 3 * w;
  // The record spans 54 periods of the line, so that it falls on a bin.
  const int nodes = 20000;
  const double dt = 54 * 2 * pi / W / nodes;
  write_record(nodes, dt, [&](double t) { return -std::sin(W * t) / (W * W); },
               [&](double t) { return std::sin(W * t); });
  double acceleration_power = 0;
  for (const char* form : {"acceleration", "dipole", "velocity"}) {
    for (const char* window : {"hann", "blackman"}) {
      SCOPED_TRACE(std::string(form) + " " + window);
      ASSERT_EQ(run_spectrum({"--form", form, "--window", window, "--ip", "0.5"}), 0) << capture.errors();
      double order, power, elsewhere;
      peak(data_rows("spectrum.dat"), 0.5, order, power, elsewhere);
      EXPECT_NEAR(order, 3, 0.02);
      EXPECT_LT(elsewhere, 1e-4 * power);
      if (std::string(form) == "acceleration" && std::string(window) == "hann") acceleration_power = power;
      if (std::string(window) != "hann") continue;
      const double expected = std::string(form) == "acceleration" ? acceleration_power
                              : std::string(form) == "dipole"     ? acceleration_power / std::pow(W, 4)
                                                                  : acceleration_power / (W * W);
      EXPECT_NEAR(power / expected, 1, 0.01);
    }
  }
  // Hann: |integral of sin(Wt) exp(-iWt) under the window|^2 = (T/4)^2.
  const double quarter = nodes * dt / 4;
  EXPECT_NEAR(acceleration_power / (quarter * quarter), 1, 0.01);
  std::ifstream picture("spectrum.png", std::ios::binary);
  char signature[4] = {};
  picture.read(signature, 4);
  EXPECT_EQ(std::string(signature + 1, 3), "PNG");
}

TEST_F(Spectrum, UnusableInputFailsWithStatusOne) {
  // No record at all.
  EXPECT_EQ(run_spectrum({}), 1);
  EXPECT_NE(capture.errors().find("(1d-dipole.dat)"), std::string::npos) << capture.errors();

  auto sine = [](double t) { return std::sin(t); };
  write_record(15, 0.1, sine, sine);  // fewer than 16 time nodes
  EXPECT_EQ(run_spectrum({"--ip", "0.5"}), 1);

  write_record(100, 0.1, sine, sine);
  std::ofstream("1d-dipole.dat", std::ios::app) << "10.0  0.5  0.1\n";  // a line cut short
  EXPECT_EQ(run_spectrum({"--ip", "0.5"}), 1);

  write_record(100, 0.1, sine, sine);
  std::ofstream("1d-dipole.dat", std::ios::app) << "20  0  0  0  0\n";  // a gap in time
  EXPECT_EQ(run_spectrum({"--ip", "0.5"}), 1);

  // Without --ip the initial state is read as the simulation reads it, with
  // the same refusals.
  write_record(100, 0.1, sine, sine);
  psi_file bad_schedule;
  bad_schedule.co_ile_krokow_zapis_wykresu = -1;
  bad_schedule.write();
  EXPECT_EQ(run_spectrum({}), 1);
  EXPECT_NE(capture.errors().find("Bledne parametry funkcji falowej! (1d-psi.par)"), std::string::npos)
      << capture.errors();
  psi_file{}.write();

  equation_file no_frequency;
  no_frequency.Eo = 0.05;
  no_frequency.write();
  EXPECT_EQ(run_spectrum({"--ip", "0.5"}), 1);

  EXPECT_EQ(run_spectrum({"--window", "hamming"}), 1);
  EXPECT_EQ(run_spectrum({"--ip"}), 1);
  EXPECT_EQ(run_spectrum({"--ip", "-1"}), 1);
  EXPECT_FALSE(std::ifstream("spectrum.dat").is_open());
}

}  // namespace

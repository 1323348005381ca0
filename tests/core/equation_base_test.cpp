#include "equation_base.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "core_capture.h"
#include "equation_dE.h"
#include "grid_parameters.h"

namespace {

const char* const token_order[] = {"typ_potencjalu", "Vo", "a", "Ec", "Eo", "w", "k", "phi", "w2",
                                   "w3", "w4", "typ_obwiedni", "T1", "T2", "pA_cechowanie_mieszane",
                                   "typ_pot_absorb", "Uo_abs", "a_abs", "Uor_abs", "Nr_abs", "Ni_abs",
                                   "nieliniowosc_SN", "v_save", "e_save"};

// An equation file with every token 0 except the ones given.
std::string equation_text(const std::map<std::string, std::string>& values) {
  std::string text = "1\n";
  for (const char* key : token_order) {
    auto found = values.find(key);
    text += (found == values.end() ? std::string("0") : found->second) + " ";
  }
  return text + "\n";
}

struct Equation : ::testing::Test {
  core_capture capture;
  grid_parameters grid{(core_capture::write_file("g.par", "1 101 -10 10 4 0 0.5"), "g.par"), 2};

  equation_dE make(const std::map<std::string, std::string>& values, int level = 2) {
    core_capture::write_file("e.par", equation_text(values));
    return equation_dE("e.par", grid, level);
  }
  double V(const equation_base& eq, double x) { return static_cast<double>(eq.potential(x, 0)); }
  double f(const equation_base& eq, double t) { return static_cast<double>(eq.envelope(t)); }
};

TEST_F(Equation, StartupLinesSummaryAndDefaults) {
  auto eq = make({{"typ_potencjalu", "2"}, {"Vo", "-1"}, {"a", "1"}, {"Ec", "0.5"}, {"Eo", "0.1"},
                  {"w", "0.057"}, {"typ_obwiedni", "2"}, {"T1", "10"}, {"T2", "20"},
                  {"pA_cechowanie_mieszane", "1"}, {"typ_pot_absorb", "1"}, {"Uo_abs", "2"},
                  {"a_abs", "3"}, {"Nr_abs", "1"}, {"Ni_abs", "2"}, {"nieliniowosc_SN", "0.25"},
                  {"v_save", "1"}, {"e_save", "1"}},
                 0);
  EXPECT_EQ(eq.status, 0);
  EXPECT_EQ(capture.messages(),
            "Inicjacja rownania Schrodingera (klasa bazowa) ...\n"
            "Parametry rownania pobrano z pliku: e.par, wersja 1\n"
            "Potencjal wiazacy V(x,t): atom rochesterowski, Vo=-1, a=1\n"
            "Pole zewnetrzne E(x,t): Ec=0.5, Eo=0.1, w=0.057, k=0, phi=0, w2=0, w3=0, w4=0\n"
            "Obwiednia impulsu f(t): sinus kwadrat, T1=10, T2=20\n"
            "Cechowanie mieszane wlaczone (ignorowane przy wyborze cechowania dE)\n"
            "Potencjal absorbujacy U_abs(x,t): NIP-Kosloff, Uo_abs=2, a_abs=3\n"
            "(par. dod. w NIP/NCP-power: Uor_abs=0, Nr_abs=1, Ni_abs=2)\n"
            "Nieliniowosc SN=0.25\n"
            "Inicjacja rownania Schrodingera (wersja dE) ...\n");
  EXPECT_EQ(capture.errors(), "");
  EXPECT_EQ(eq.label, "wersja dE");
  EXPECT_EQ(eq.kinetic_coefficient, std::complex<double>(0, 0.5));
  EXPECT_EQ(eq.matching_index, 0);

  // Only the value 1 is reported as the mixed gauge; the unknown kinds are named so.
  capture.clear();
  make({{"typ_potencjalu", "7"}, {"typ_obwiedni", "9"}, {"typ_pot_absorb", "5"}, {"pA_cechowanie_mieszane", "2"}},
       0);
  const std::string text = capture.messages();
  EXPECT_NE(text.find("V(x,t): zle okreslony (brak potencjalu), Vo=0"), std::string::npos);
  EXPECT_NE(text.find("f(t): zle okreslony (brak impulsu), T1=0"), std::string::npos);
  EXPECT_NE(text.find("U_abs(x,t): zle okreslony (brak potencjalu), Uo_abs"), std::string::npos);
  EXPECT_NE(text.find("Cechowanie mieszane wylaczone\n"), std::string::npos);

  // At level 1 only the two start-up lines remain.
  capture.clear();
  make({}, 1);
  EXPECT_EQ(capture.messages(),
            "Inicjacja rownania Schrodingera (klasa bazowa) ...\nInicjacja rownania Schrodingera (wersja dE) ...\n");
}

TEST_F(Equation, BadFilesGiveTheirMessageAlarmAndStatus) {
  struct bad_case {
    std::string file_name, text, error;
  };
  const std::string full = equation_text({});
  const bad_case cases[] = {
      {"", "", "\n\t*** Brak nazwy pliku parametrow rownania! ()\n\n"},
      {"none.par", "", "\n\t*** Brak pliku parametrow rownania! (none.par)\n\n"},
      {"e.par", "2" + full.substr(1), "\n\t*** Nieodpowiednia wersja pliku z parametrami! (e.par)\n\n"},
      {"e.par", "", "\n\t*** Nieodpowiednia wersja pliku z parametrami! (e.par)\n\n"},
      {"e.par", "1 2 -1 1 0 0 0", "\n\t*** Nieprawidlowe parametry rownania! (e.par)\n\n"},
      {"e.par", "1 2 -1 x 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 1 0 1 0",
       "\n\t*** Nieprawidlowe parametry rownania! (e.par)\n\n"},
      {"e.par", "1 2 -1 1 0 nan 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 1 0 1 0",
       "\n\t*** Nieprawidlowe parametry rownania! (e.par)\n\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    capture.clear();
    if (c.file_name == "e.par") core_capture::write_file("e.par", c.text);
    testing::internal::CaptureStdout();
    equation_dE eq(c.file_name, grid, 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\a");
    EXPECT_EQ(eq.status, 1);
    EXPECT_EQ(capture.errors(), c.error);
    // No summary after a failed read; the start-up lines still come.
    EXPECT_EQ(capture.messages(),
              "Inicjacja rownania Schrodingera (klasa bazowa) ...\n"
              "Inicjacja rownania Schrodingera (wersja dE) ...\n");
  }
}

TEST_F(Equation, MissingFileSwitchesKeepTheirDefaults) {
  core_capture::write_file("e.par", "1 2 -1 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 1 0.5");
  equation_dE eq("e.par", grid, 2);
  EXPECT_EQ(eq.status, 0);
  EXPECT_DOUBLE_EQ(eq.nieliniowosc_SN, 0.5);
  EXPECT_EQ(eq.v_save, 1);
  EXPECT_EQ(eq.e_save, 0);
  EXPECT_EQ(capture.errors(), "");
}

TEST_F(Equation, SuspiciousValuesOnlyWarn) {
  for (const char* key : {"a", "Eo", "w", "w2", "T1", "T2"}) {
    SCOPED_TRACE(key);
    capture.clear();
    testing::internal::CaptureStdout();
    auto eq = make({{key, "-1"}}, 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\a");
    EXPECT_EQ(eq.status, 0);
    EXPECT_EQ(capture.errors(), "\n\t*** Parametry rownania sa podejrzane! (e.par)\n\n");
    EXPECT_NE(capture.messages().find("Parametry rownania pobrano z pliku: e.par"), std::string::npos);
  }
  capture.clear();
  make({{"Vo", "-1"}, {"k", "-2"}, {"phi", "-1"}, {"Ec", "-3"}});
  EXPECT_EQ(capture.errors(), "");
}

TEST_F(Equation, Potentials) {
  auto well = make({{"typ_potencjalu", "1"}, {"Vo", "-1"}, {"a", "2"}});
  EXPECT_EQ(V(well, 2), -1);
  EXPECT_EQ(V(well, 2.0001), 0);
  EXPECT_EQ(V(well, -2), -1);
  auto step = make({{"typ_potencjalu", "3"}, {"Vo", "5"}, {"a", "1"}});
  EXPECT_EQ(V(step, -0.1), 1);
  EXPECT_EQ(V(step, 0), 5);
  auto atom = make({{"typ_potencjalu", "2"}, {"Vo", "-1"}, {"a", "1"}});
  EXPECT_EQ(V(atom, 0), -1);
  EXPECT_DOUBLE_EQ(V(atom, 1), -1 / std::sqrt(2.0));
  EXPECT_EQ(static_cast<double>(atom.potential(1, 1e6)), V(atom, 1));
  auto unknown = make({{"typ_potencjalu", "4"}, {"Vo", "-1"}, {"a", "1"}});
  EXPECT_EQ(V(unknown, 0), 0);
}

TEST_F(Equation, TrapezoidAndSineSquaredEnvelopes) {
  auto trapezoid = make({{"typ_obwiedni", "1"}, {"T1", "10"}, {"T2", "20"}});
  EXPECT_EQ(f(trapezoid, 0), 0);
  EXPECT_EQ(f(trapezoid, -1), 0);
  EXPECT_DOUBLE_EQ(f(trapezoid, 5), 0.5);
  EXPECT_EQ(f(trapezoid, 10), 1);
  EXPECT_EQ(f(trapezoid, 30), 1);
  EXPECT_DOUBLE_EQ(f(trapezoid, 35), 0.5);
  EXPECT_NEAR(f(trapezoid, 40), 0, 1e-15);
  EXPECT_EQ(f(trapezoid, 40.001), 0);

  auto sine = make({{"typ_obwiedni", "2"}, {"T1", "10"}, {"T2", "20"}});
  EXPECT_EQ(f(sine, 0), 0);
  EXPECT_NEAR(f(sine, 5), 0.5, 1e-15);
  EXPECT_NEAR(f(sine, 10), 1, 1e-15);
  EXPECT_EQ(f(sine, 20), 1);
  EXPECT_NEAR(f(sine, 35), 0.5, 1e-15);
  EXPECT_NEAR(f(sine, 40), 0, 1e-15);
  EXPECT_EQ(f(sine, 41), 0);

  // Without rise time both are rectangles of length T2.
  auto sharp = make({{"typ_obwiedni", "1"}, {"T2", "20"}});
  EXPECT_EQ(f(sharp, 0), 0);
  EXPECT_EQ(f(sharp, 1e-9), 1);
  EXPECT_EQ(f(sharp, 20), 1);
  EXPECT_EQ(f(sharp, 20.5), 0);

  EXPECT_EQ(f(make({}), -100), 1);
  EXPECT_EQ(f(make({{"typ_obwiedni", "5"}}), 1), 0);
}

TEST_F(Equation, ExponentialAndPulseEnvelopes) {
  auto exponential = make({{"typ_obwiedni", "3"}, {"T1", "4"}});
  EXPECT_NEAR(f(exponential, 4 * std::log(2.0)), 1, 1e-15);
  EXPECT_EQ(f(exponential, 0), 0);
  EXPECT_NEAR(f(exponential, 4), 4 * (std::exp(-1.0) - std::exp(-2.0)), 1e-15);
  // No time constant: no pulse instead of a division by zero.
  EXPECT_EQ(f(make({{"typ_obwiedni", "3"}}), 1), 0);

  auto pulses = make({{"typ_obwiedni", "4"}, {"T1", "2"}, {"T2", "3"}});
  EXPECT_EQ(f(pulses, 0), 1);
  EXPECT_EQ(f(pulses, 1.9), 1);
  EXPECT_EQ(f(pulses, 2), 0);
  EXPECT_EQ(f(pulses, 4.9), 0);
  EXPECT_EQ(f(pulses, 5), 1);
  EXPECT_EQ(f(pulses, -0.5), 0);
  // Pulse numbers beyond the integer range still follow the period.
  EXPECT_EQ(f(pulses, 5e12), 1);
  EXPECT_EQ(f(pulses, 5e12 + 2.5), 0);
  // A zero period has no pulses, whatever the time.
  auto empty = make({{"typ_obwiedni", "4"}});
  EXPECT_EQ(f(empty, 0), 0);
  EXPECT_EQ(f(empty, 3), 0);
}

TEST_F(Equation, FieldCarriesTheStaticPartOutsideTheEnvelope) {
  auto eq = make({{"Ec", "0.5"}, {"Eo", "2"}, {"w", "1"}, {"k", "0.5"}, {"phi", "0.25"}, {"w2", "0.1"},
                  {"w3", "0.2"}, {"w4", "3"}, {"typ_obwiedni", "1"}, {"T1", "10"}, {"T2", "20"}});
  const double x = 1.5, t = 5;
  const double phase = t - 0.5 * x + 0.25 + 0.1 * t * t + 0.2 * std::sin(3 * t);
  EXPECT_NEAR(static_cast<double>(eq.field(x, t)), 0.5 + 2 * 0.5 * std::cos(phase), 1e-14);
  EXPECT_EQ(static_cast<double>(eq.field(x, -1)), 0.5);
}

TEST_F(Equation, AbsorbersActAtBothGridEnds) {
  auto kosloff = make({{"typ_pot_absorb", "1"}, {"Uo_abs", "-2"}, {"a_abs", "1"}});
  const auto at_left = kosloff.absorbing_potential(-10, 0);
  EXPECT_EQ(at_left.real(), 0);
  EXPECT_NEAR(at_left.imag(), -2, 1e-15);
  EXPECT_NEAR(kosloff.absorbing_potential(10, 0).imag(), -2, 1e-15);
  EXPECT_NEAR(kosloff.absorbing_potential(-8, 0).imag(), -2 / std::pow(std::cosh(2.0), 2), 1e-15);
  EXPECT_EQ(kosloff.absorbing_potential(-4.99, 0), std::complex<double>(0, 0));
  EXPECT_EQ(kosloff.absorbing_potential(4.99, 0), std::complex<double>(0, 0));
  EXPECT_FALSE(std::signbit(kosloff.absorbing_potential(0, 0).imag()));

  // A wide absorber reaches across the whole grid: the far end adds its share.
  auto wide = make({{"typ_pot_absorb", "1"}, {"Uo_abs", "2"}, {"a_abs", "4.5"}});
  EXPECT_NEAR(wide.absorbing_potential(10, 0).imag(), -2 * (1 + 1 / std::pow(std::cosh(20 / 4.5), 2)), 1e-15);

  auto power = make({{"typ_pot_absorb", "2"}, {"Uo_abs", "3"}, {"a_abs", "2"}, {"Uor_abs", "-1"},
                     {"Nr_abs", "2"}, {"Ni_abs", "1"}});
  const auto near_right = power.absorbing_potential(9, 0);  // s = 0.5
  EXPECT_DOUBLE_EQ(near_right.real(), -0.25);
  EXPECT_DOUBLE_EQ(near_right.imag(), -1.5);
  EXPECT_EQ(power.absorbing_potential(-7.9, 0), std::complex<double>(0, 0));

  // Without a width neither kind absorbs.
  auto narrow = make({{"typ_pot_absorb", "1"}, {"Uo_abs", "2"}});
  EXPECT_EQ(narrow.absorbing_potential(-10, 0), std::complex<double>(0, 0));
}

TEST_F(Equation, PotentialFileHeaderAndLines) {
  grid_parameters small((core_capture::write_file("s.par", "1 3 -1 1 4 0 0.5"), "s.par"), 2);
  core_capture::write_file("e.par", equation_text({{"typ_potencjalu", "3"}, {"Vo", "5"}, {"a", "1"},
                                                   {"typ_pot_absorb", "2"}, {"Uo_abs", "1"}, {"a_abs", "1"},
                                                   {"Nr_abs", "1"}, {"Ni_abs", "1"}, {"v_save", "1"}}));
  equation_dE eq("e.par", small, 0);
  capture.clear();
  eq.save_potential("v.dat", 0.25);
  EXPECT_EQ(capture.messages(), "Equation (wersja dE): Zapisuje potencjal do pliku: v.dat\n");
  EXPECT_EQ(core_capture::read_file("v.dat"),
            "#Potencjal w t=0.25\n"
            "#Parametry sieci  x: 3 (-1,1),  t: 4 (0,2)\n"
            "#\n#x V(x,t) Re(U_abs(x,t)) Im(U_abs(x,t))\n"
            "-1  1  0  -1\n"
            "0  5  0  0\n"
            "1  5  0  -1\n");
}

TEST_F(Equation, FieldFileLeavesOutFirstAndLastTime) {
  auto eq = make({{"Ec", "1"}, {"Eo", "2"}, {"typ_obwiedni", "1"}, {"T1", "1"}, {"T2", "5"}, {"e_save", "1"}}, 0);
  capture.clear();
  eq.save_field("e.dat");
  EXPECT_EQ(capture.messages(), "Equation (wersja dE): Zapisuje pole E(t,0) do pliku: e.dat\n");
  EXPECT_EQ(core_capture::read_file("e.dat"),
            "#E(0,t)\n"
            "#Parametry sieci  x: 101 (-10,10),  t: 4 (0,2)\n"
            "#\n#t E(0,t) f(t)\n"
            "0.5  2  0.5\n"
            "1  3  1\n"
            "1.5  3  1\n");
}

TEST_F(Equation, SwitchedOffFilesAreNotWritten) {
  auto eq = make({{"v_save", "0"}, {"e_save", "0"}}, 0);
  capture.clear();
  eq.save_potential("v.dat", 0);
  eq.save_field("e.dat");
  EXPECT_EQ(capture.messages(),
            "Equation (wersja dE): Zapisanie potencjalu do pliku: v.dat zablokowane.\n"
            "Equation (wersja dE): Zapisanie pola E(t,0) do pliku: e.dat zablokowane.\n");
  EXPECT_FALSE(file_exists("v.dat"));
  EXPECT_FALSE(file_exists("e.dat"));
  eq.message_level = 1;
  capture.clear();
  eq.save_potential("v.dat", 0);
  EXPECT_EQ(capture.messages(), "");
}

}  // namespace

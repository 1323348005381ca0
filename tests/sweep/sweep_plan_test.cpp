#include "sweep_plan.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "core_capture.h"
#include "equation_dE.h"
#include "grid_parameters.h"
#include "wavefunction.h"

namespace {

const char* grid_text = "1\n64  -10  10\n20  0  0.01\n\nuwagi: xdim xmin xmax, tdim tmin dt\n";
const char* equation_text =
    "1\n1  -1  2\n0  0.05  0.5  0  0\n0  0  0\n2  10  0\n0\n1  0.5  4\n0  1  1\n0\n0  0\n";
const char* psi_text = "1\n1  brak\n0  0.5  0  1\n0  0  0  0\n0\n0  brak\n";

parameter_set base_set() { return {parameter_text(grid_text), parameter_text(equation_text), parameter_text(psi_text)}; }

sweep_plan plan_for(const std::vector<std::string>& arguments, bool zip = false) {
  std::vector<sweep_axis> axes;
  std::string error;
  sweep_plan plan;
  EXPECT_TRUE(parse_axes(arguments, axes, error)) << error;
  EXPECT_TRUE(plan_runs(base_set(), axes, zip, plan, error)) << error;
  return plan;
}

std::string plan_error(const std::vector<std::string>& arguments, bool zip = false) {
  std::vector<sweep_axis> axes;
  std::string error;
  sweep_plan plan;
  if (parse_axes(arguments, axes, error) && plan_runs(base_set(), axes, zip, plan, error)) return "";
  return error;
}

void write_set(const parameter_set& set) {
  for (int f = 0; f < parameter_set_file_count; ++f)
    std::ofstream(set_file_name(static_cast<parameter_set_file>(f))) << set[f].text();
}

TEST(SweepPlan, ProductRunsTheLastKeyFastest) {
  const sweep_plan plan = plan_for({"Eo=0.1,0.2", "w=1:3:3"});
  ASSERT_EQ(plan.runs.size(), 6u);
  EXPECT_EQ(plan.runs[0].folder, "run-0001");
  EXPECT_EQ(plan.runs[5].folder, "run-0006");
  EXPECT_EQ(plan.runs[1].values, (std::vector<std::string>{"0.1", "2"}));
  EXPECT_EQ(plan.runs[3].values, (std::vector<std::string>{"0.2", "1"}));
  EXPECT_EQ(plan_for({"Eo=0.1,0.2", "w=1,2"}, true).runs[1].values, (std::vector<std::string>{"0.2", "2"}));
}

TEST(SweepPlan, EditingKeepsLayoutAndNotesAndOnlyTouchesTheToken) {
  const sweep_plan plan = plan_for({"xmax=12.5", "grid:tdim=7"});
  EXPECT_EQ(plan.runs[0].files[0].text(), "1\n64  -10  12.5\n7  0  0.01\n\nuwagi: xdim xmin xmax, tdim tmin dt\n");
  EXPECT_EQ(plan.runs[0].files[1].text(), equation_text);
}

TEST(SweepPlan, KeysNamedInTwoFilesNeedTheirFile) {
  EXPECT_NE(plan_error({"a=1"}).find("eq:a albo psi:a"), std::string::npos);
  EXPECT_NE(plan_error({"k=1"}).find("eq:k albo psi:k"), std::string::npos);
  EXPECT_NE(plan_error({"Eoo=1"}).find("nieznany klucz Eoo"), std::string::npos);
  EXPECT_NE(plan_error({"eq:x0=1"}).find("eq:x0"), std::string::npos);
  EXPECT_NE(plan_error({"nazwa_pliku=1"}).find("nazwa_pliku"), std::string::npos);
  EXPECT_NE(plan_error({"Eo=1", "Eo=2"}).find("dwa razy"), std::string::npos);
  EXPECT_NE(plan_error({"psi:k=1", "Uo=2"}).find("dwa razy"), std::string::npos);
  EXPECT_NE(plan_error({"Eo"}).find("KLUCZ=WARTOSCI"), std::string::npos);
}

TEST(SweepPlan, WholeNumberKeysRefuseFractions) {
  EXPECT_NE(plan_error({"xdim=64:65:3"}).find("xdim"), std::string::npos);
  EXPECT_NE(plan_error({"typ_obwiedni=1.5"}).find("typ_obwiedni"), std::string::npos);
  EXPECT_NE(plan_error({"n=3e9"}).find("n "), std::string::npos);
  EXPECT_EQ(plan_for({"xdim=1e2"}).runs[0].values[0], "100");
  EXPECT_NE(plan_error({"Eo=1,2", "w=1"}, true).find("--zip"), std::string::npos);
}

// Every number is written at its own place: with each key set to a value
// of its own, the core's readers find exactly those values.
TEST(SweepPlan, EveryKeyRoundTripsThroughTheCoreReaders) {
  core_capture capture;
  const sweep_plan plan = plan_for({
      "xdim=40", "xmin=-10.1", "xmax=9.7", "tdim=3", "tmin=0.123456789012345678", "dt=0.0123456789",
      "typ_potencjalu=2", "Vo=-1.1", "eq:a=1.2", "Ec=0.013", "Eo=0.1234567890123456789", "w=0.51",
      "eq:k=0.016", "phi=0.017", "w2=0.018", "w3=0.019", "w4=0.021", "typ_obwiedni=3", "T1=11.1",
      "T2=12.2", "pA_cechowanie_mieszane=1", "typ_pot_absorb=2", "Uo_abs=0.31", "a_abs=3.2",
      "Uor_abs=0.33", "Nr_abs=2.1", "Ni_abs=2.2", "nieliniowosc_SN=0.0007", "v_save=0", "e_save=0",
      "typ_funkcji_pocz=1", "x0=0.25", "psi:a=0.75", "Uo=0.35", "n=2", "co_ile_krokow_zapis_wykresu=4",
      "co_ile_krokow_zapis_funkcji=5", "co_ile_krokow_zapis_fft=6", "przesuniecie=-7",
      "cechowanie_hamiltonianu=1", "rzutuj_na_plik=0"});
  write_set(plan.runs[0].files);
  grid_parameters grid("1d-grid.par", 2);
  ASSERT_EQ(grid.status, 0) << capture.errors();
  EXPECT_EQ(grid.xdim(), 40);
  EXPECT_EQ(grid.xmin, -10.1);
  EXPECT_EQ(grid.xmax, 9.7);
  EXPECT_EQ(grid.tdim, 3);
  EXPECT_EQ(grid.tmin, 0.123456789012345678);
  EXPECT_EQ(grid.dt, 0.0123456789);
  const equation_dE equation("1d-eq.par", grid, 2);
  ASSERT_EQ(equation.status, 0) << capture.errors();
  EXPECT_EQ(equation.typ_potencjalu, 2);
  const double reals[] = {equation.Vo, equation.a, equation.Ec, equation.Eo, equation.w, equation.k,
                          equation.phi, equation.w2, equation.w3, equation.w4, equation.T1, equation.T2,
                          equation.Uo_abs, equation.a_abs, equation.Uor_abs, equation.Nr_abs,
                          equation.Ni_abs, equation.nieliniowosc_SN};
  const double expected[] = {-1.1, 1.2, 0.013, 0.1234567890123456789, 0.51, 0.016, 0.017, 0.018,
                             0.019, 0.021, 11.1, 12.2, 0.31, 3.2, 0.33, 2.1, 2.2, 0.0007};
  for (std::size_t i = 0; i < std::size(reals); ++i) EXPECT_EQ(reals[i], expected[i]) << "field " << i;
  EXPECT_EQ(equation.typ_obwiedni, 3);
  EXPECT_EQ(equation.pA_cechowanie_mieszane, 1);
  EXPECT_EQ(equation.typ_pot_absorb, 2);
  EXPECT_EQ(equation.v_save + equation.e_save, 0);
  const wavefunction wave(grid, "1d-psi.par", 2);
  ASSERT_EQ(wave.status, 0) << capture.errors();
  EXPECT_EQ(wave.typ_funkcji_pocz, 1);
  EXPECT_EQ(wave.x0, 0.25);
  EXPECT_EQ(wave.a, 0.75);
  EXPECT_EQ(wave.k, 0.35);
  EXPECT_EQ(wave.n, 2);
  EXPECT_EQ(wave.co_ile_krokow_zapis_wykresu, 4);
  EXPECT_EQ(wave.co_ile_krokow_zapis_funkcji, 5);
  EXPECT_EQ(wave.co_ile_krokow_zapis_fft, 6);
  EXPECT_EQ(wave.przesuniecie, -7);
  EXPECT_EQ(wave.cechowanie_hamiltonianu, 1);
  EXPECT_EQ(wave.rzutuj_na_plik, 0);
}

// Shortest texts still read back to the very same double.
TEST(SweepPlan, RealValuesReadBackBitForBit) {
  const sweep_plan plan = plan_for({"Eo=log:1e-3:1e-1:7"});
  for (const planned_run& run : plan.runs) {
    const double written = std::stod(std::string(run.files[1].token(5)));
    EXPECT_EQ(written, std::stod(run.values[0]));
  }
  value_list list;
  std::string error;
  ASSERT_TRUE(parse_value_list("log:1e-3:1e-1:7", list, error));
  for (std::size_t i = 0; i < list.values.size(); ++i)
    EXPECT_EQ(std::stod(plan.runs[i].values[0]), list.values[i]);
}

}  // namespace

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <filesystem>

#include "core_capture.h"
#include "equation_dE.h"
#include "equation_pA.h"
#include "grid_parameters.h"
#include "wave_fixture.h"
#include "wavefunction.h"

namespace {

using cd = std::complex<double>;
using cld = std::complex<long double>;

struct Propagation : wave_run {
  void run(int steps) {
    for (int s = 0; s < steps; ++s) ASSERT_EQ(wave->step_forward(), 0) << capture.errors();
  }
};

TEST(CounterText, FiveDigitsBelowTenThousand) {
  EXPECT_EQ(wavefunction::counter_text(0), "00000");
  EXPECT_EQ(wavefunction::counter_text(7), "00007");
  EXPECT_EQ(wavefunction::counter_text(123), "00123");
  EXPECT_EQ(wavefunction::counter_text(9999), "09999");
  EXPECT_EQ(wavefunction::counter_text(10000), "10000");
  EXPECT_EQ(wavefunction::counter_text(123456), "123456");
}

TEST(SnapshotSchedule, PeriodsAndOffsets) {
  auto due_steps = [](int period, int offset) {
    std::vector<int> steps;
    for (int j = 1; j <= 13; ++j)
      if (wavefunction::snapshot_due(j, period, offset)) steps.push_back(j);
    return steps;
  };
  EXPECT_EQ(due_steps(5, 2), (std::vector<int>{2, 7, 12}));
  EXPECT_EQ(due_steps(5, 7), (std::vector<int>{2, 7, 12}));  // a negative multiple counts
  EXPECT_EQ(due_steps(5, -3), (std::vector<int>{2, 7, 12}));
  EXPECT_EQ(due_steps(1, 0).size(), 13u);
  EXPECT_TRUE(due_steps(0, 0).empty());
  EXPECT_TRUE(due_steps(-1, 0).empty());
  // Extreme offsets neither overflow nor go wrong.
  EXPECT_TRUE(wavefunction::snapshot_due(1, 2, INT_MIN + 1));
  EXPECT_FALSE(wavefunction::snapshot_due(2, 2, INT_MIN + 1));
  EXPECT_TRUE(wavefunction::snapshot_due(2147483647, 1, INT_MIN));
}

// --- an independent Crank-Nicolson step: dense matrices solved by
// elimination with partial pivoting ---

std::vector<cld> solve_dense(std::vector<std::vector<cld>> m, std::vector<cld> rhs) {
  const std::size_t n = rhs.size();
  for (std::size_t c = 0; c < n; ++c) {
    std::size_t pivot = c;
    for (std::size_t r = c + 1; r < n; ++r)
      if (std::abs(m[r][c]) > std::abs(m[pivot][c])) pivot = r;
    std::swap(m[c], m[pivot]);
    std::swap(rhs[c], rhs[pivot]);
    for (std::size_t r = c + 1; r < n; ++r) {
      const cld f = m[r][c] / m[c][c];
      for (std::size_t k = c; k < n; ++k) m[r][k] -= f * m[c][k];
      rhs[r] -= f * rhs[c];
    }
  }
  std::vector<cld> x(n);
  for (std::size_t r = n; r-- > 0;) {
    cld sum = rhs[r];
    for (std::size_t k = r + 1; k < n; ++k) sum -= m[r][k] * x[k];
    x[r] = sum / m[r][r];
  }
  return x;
}

// (1 - dt/2 L(t')) psi' = (1 + dt/2 L(t)) psi with
// L psi = K psi'' + P psi' + (Q + SN |psi|^2) psi on central differences.
std::vector<cd> dense_step(const grid_parameters& g, const equation_base& eq, const std::vector<cd>& psi, int j) {
  const int n = g.xdim();
  const long double dx = g.dx, dt = g.dt;
  const cld K = eq.kinetic_coefficient;
  auto L = [&](double t) {
    std::vector<std::vector<cld>> m(n, std::vector<cld>(n));
    for (int r = 0; r < n; ++r) {
      const int i = r + 1;
      const double x = static_cast<double>(g.x(i));
      const cld P = eq.drift_coefficient(x, t);
      const cld Q = cld(eq.potential_coefficient(x, t)) + (long double)eq.nieliniowosc_SN * std::norm(psi[i]);
      if (r > 0) m[r][r - 1] = K / (dx * dx) - P / (2 * dx);
      m[r][r] = -2.0L * K / (dx * dx) + Q;
      if (r + 1 < n) m[r][r + 1] = K / (dx * dx) + P / (2 * dx);
    }
    return m;
  };
  auto implicit = L(static_cast<double>(g.t(j + 1)));
  auto explicit_side = L(static_cast<double>(g.t(j)));
  std::vector<cld> rhs(n);
  for (int r = 0; r < n; ++r) {
    rhs[r] = psi[r + 1];
    for (int c = 0; c < n; ++c) {
      rhs[r] += dt / 2 * explicit_side[r][c] * cld(psi[c + 1]);
      implicit[r][c] *= -dt / 2;
    }
    implicit[r][r] += 1.0L;
  }
  const auto solution = solve_dense(implicit, rhs);
  std::vector<cd> next(psi.size());
  for (int r = 0; r < n; ++r) next[r + 1] = cd(solution[r]);
  return next;
}

void expect_dense_agreement(Propagation& test, int steps) {
  wavefunction& wave = test.start();
  std::vector<cd> reference(wave.psi.get(), wave.psi.get() + wave.N + 1);
  for (int s = 0; s < steps; ++s) {
    reference = dense_step(*test.grid, *wave.equation, reference, s);
    ASSERT_EQ(wave.step_forward(), 0);
    double worst = 0;
    for (int i = 1; i < wave.N; ++i) worst = std::max(worst, std::abs(wave.psi[i] - reference[i]));
    EXPECT_LT(worst, 1e-12) << "step " << s + 1;
  }
}

struct DenseReference : Propagation {
  void SetUp() override {
    grid_values = {40, -10, 10, 6, 0.3, 0.05};
    psi_values.x0 = -1;
    psi_values.k = 1.5;
    equation_values.typ_potencjalu = 2;  // soft core
    equation_values.Vo = -1;
    equation_values.a = 1;
    equation_values.Ec = 0.01;
    equation_values.Eo = 0.3;
    equation_values.w = 0.7;
    equation_values.phi = 0.2;
    equation_values.typ_obwiedni = 2;
    equation_values.T1 = 0.2;
    equation_values.T2 = 0.1;
  }
};

TEST_F(DenseReference, LengthGaugeWithAbsorberAndNonlinearity) {
  equation_values.typ_pot_absorb = 1;
  equation_values.Uo_abs = 0.8;
  equation_values.a_abs = 1;
  equation_values.nieliniowosc_SN = 0.4;
  expect_dense_agreement(*this, 5);
}

TEST_F(DenseReference, VelocityGaugeFieldUniformInX) {
  psi_values.cechowanie_hamiltonianu = 1;
  equation_values.typ_pot_absorb = 2;
  equation_values.Uo_abs = 0.5;
  equation_values.Uor_abs = 0.2;
  equation_values.a_abs = 3;
  equation_values.Nr_abs = 2;
  expect_dense_agreement(*this, 5);
}

TEST_F(DenseReference, BothGaugesWithAFieldThatDependsOnX) {
  equation_values.k = 0.3;
  expect_dense_agreement(*this, 4);
  psi_values.cechowanie_hamiltonianu = 1;
  expect_dense_agreement(*this, 4);
}

// The state and quantities after every step of a run whose message level
// may change from step to step. Below level 0 the system goes through the
// solver's dumps; from 0 up the step substitutes into a system it has
// eliminated while building it. Both must give the same bits.
struct step_result {
  std::vector<cd> psi;
  double norm, position, overlap;
  bool operator==(const step_result&) const = default;
};

std::vector<step_result> run_with_levels(Propagation& test, int steps, int (*level)(int step)) {
  wavefunction& wave = test.start(level(0));
  std::vector<step_result> results;
  for (int s = 1; s <= steps; ++s) {
    wave.set_message_level(level(s));
    EXPECT_EQ(wave.step_forward(), 0) << test.capture.errors();
    results.push_back({std::vector<cd>(wave.psi.get(), wave.psi.get() + wave.N + 1), wave.norm,
                       wave.mean_position, wave.overlap});
  }
  test.capture.clear();
  return results;
}

void expect_paths_agree(Propagation& test) {
  const auto fused = run_with_levels(test, 4, [](int) { return 2; });
  const auto dumped = run_with_levels(test, 4, [](int) { return -1; });
  // Switching in the middle of a run rebuilds the eliminated system.
  const auto alternating = run_with_levels(test, 4, [](int s) { return s % 2 ? -1 : 0; });
  EXPECT_TRUE(fused == dumped);
  EXPECT_TRUE(fused == alternating);
  EXPECT_GT(fused.back().norm, 0.5);
}

TEST_F(DenseReference, FusedStepGivesTheSolversBitsInEveryCase) {
  equation_values.typ_pot_absorb = 1;
  equation_values.Uo_abs = 0.8;
  equation_values.a_abs = 1;
  equation_values.nieliniowosc_SN = 0.4;
  for (int gauge : {0, 1}) {
    for (double k : {0.0, 0.3}) {
      SCOPED_TRACE("gauge " + std::to_string(gauge) + ", k=" + std::to_string(k));
      psi_values.cechowanie_hamiltonianu = gauge;
      equation_values.k = k;
      expect_paths_agree(*this);
    }
  }
}

TEST_F(Propagation, FreeGaussianKeepsNormAndMovesWithVelocityK) {
  grid_values = {1601, -40, 40, 1000, 0, 0.01};
  psi_values.x0 = -10;
  psi_values.a = 0.5;
  psi_values.k = 2;
  wavefunction& wave = start();
  for (int s = 1; s <= 1000; ++s) {
    ASSERT_EQ(wave.step_forward(), 0);
    if (s % 250 == 0) {
      EXPECT_NEAR(wave.norm, 1, 1e-10) << s;
      EXPECT_NEAR(wave.mean_position, -10 + 2 * s * 0.01, 0.05) << s;
    }
  }
}

TEST_F(Propagation, WellStatesStayStationary) {
  grid_values = {601, -15, 15, 400, 0, 0.05};
  equation_values.typ_potencjalu = 1;  // the same well as the initial state
  equation_values.Vo = -1;
  equation_values.a = 2;
  psi_values.typ_funkcji_pocz = 2;
  psi_values.a = 2;
  psi_values.k = -1;
  start();
  run(400);
  EXPECT_NEAR(wave->norm, 1, 1e-10);
  EXPECT_GT(wave->overlap, 0.999);  // the analytic state is close to the grid's eigenstate

  // The shooting state of the soft-core potential, on a grid symmetric about
  // its minimum with an even point count.
  grid_values.xdim = 600;
  equation_values.typ_potencjalu = 2;
  equation_values.a = 1;
  psi_values.typ_funkcji_pocz = 3;
  start();
  run(400);
  EXPECT_GT(wave->overlap, 0.999);
  EXPECT_NEAR(wave->mean_position, 0, 1e-6);
}

// dE with E = Eo cos(w t) and pA with phi = pi describe the same physics;
// with the gauge phase their overlaps agree too.
TEST_F(Propagation, GaugesAgreeOnPositionAndOverlap) {
  grid_values = {801, -40, 40, 500, 0, 0.02};
  equation_values.Eo = 0.05;
  equation_values.w = 0.3;
  start();
  std::vector<double> position, overlap;
  for (int s = 0; s < 500; ++s) {
    ASSERT_EQ(wave->step_forward(), 0);
    position.push_back(wave->mean_position);
    overlap.push_back(wave->overlap);
  }
  EXPECT_GT(std::fabs(position.back()), 0.5) << "the field must move the packet";

  equation_values.phi = M_PI;
  psi_values.cechowanie_hamiltonianu = 1;
  start();
  for (int s = 0; s < 500; ++s) {
    ASSERT_EQ(wave->step_forward(), 0);
    ASSERT_NEAR(wave->mean_position, position[s], 5e-4) << s;
    ASSERT_NEAR(wave->overlap, overlap[s], 5e-4) << s;
  }
}

TEST_F(Propagation, KosloffAbsorberTakesThePacket) {
  grid_values = {801, -20, 20, 800, 0, 0.01};
  equation_values.typ_pot_absorb = 1;
  equation_values.Uo_abs = 1;
  equation_values.a_abs = 2;
  psi_values.a = 0.5;
  psi_values.k = 3;
  start();
  run(200);
  EXPECT_NEAR(wave->norm, 1, 1e-6) << "far from the absorber";
  run(600);
  EXPECT_LT(wave->norm, 0.25);
}

TEST_F(Propagation, SaveScheduleWritesTheFilesDue) {
  grid_values = {16, -5, 5, 12, 0, 0.01};
  for (int offset : {2, 7, -3}) {
    psi_values.co_ile_krokow_zapis_wykresu = 5;
    psi_values.przesuniecie = offset;
    start();
    EXPECT_EQ(wave->last_plot_file, "plt00000.dat");
    std::vector<std::string> plots;
    for (int s = 1; s <= 12; ++s) {
      run(1);
      if (!wave->last_plot_file.empty()) plots.push_back(wave->last_plot_file);
      EXPECT_EQ(std::filesystem::exists("plt" + wavefunction::counter_text(s) + ".dat"), s % 5 == 2) << s;
    }
    EXPECT_EQ(plots, (std::vector<std::string>{"plt00002.dat", "plt00007.dat", "plt00012.dat"})) << offset;
    EXPECT_FALSE(std::filesystem::exists("psi00002.dat"));
    for (int s = 1; s <= 12; ++s) std::filesystem::remove("plt" + wavefunction::counter_text(s) + ".dat");
  }
}

TEST_F(Propagation, EveryPeriodOneOrAllOff) {
  grid_values = {16, -5, 5, 7, 0, 0.01};
  start();
  run(7);
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(".")) {
    const std::string name = entry.path().filename().string();
    files += name.ends_with(".dat") && name != "1d-timed.dat";
  }
  EXPECT_EQ(files, 3) << "only the counter-0 files";

  psi_values.co_ile_krokow_zapis_wykresu = 1;
  psi_values.co_ile_krokow_zapis_funkcji = 1;
  psi_values.co_ile_krokow_zapis_fft = 1;
  start(0);
  capture.clear();
  run(7);
  for (const char* name : {"plt00007.dat", "psi00007.dat", "fft00007.dat", "fft00001.dat"})
    EXPECT_TRUE(std::filesystem::exists(name)) << name;
  EXPECT_EQ(wave->last_plot_file, "plt00007.dat");
  const std::string step_messages =
      "Funkcja falowa: krok w przod (Crank-Nicholson), przygotowanie wspolczynnikow\n"
      "                krok czasowy: 7, t=0.07\n"
      "Kod bledu: 0\nFunkcja falowa (krok czasowy 7):\n"
      "Wykres zapisany do pliku: plt00007.dat\n"
      "Funkcja zapisana do pliku: psi00007.dat\n"
      "Zapis FFT: Zajmowana pamiec: 0.265625 kb\n"
      "Szybka transformata Fouriera FFT-1D(x->k): nx=2^4=16\n"
      "FFT funkcji zapisana do pliku: fft00007.dat\n"
      "Kwadrat normy funkcji falowej: 1\n";
  EXPECT_NE(capture.messages().find(step_messages), std::string::npos) << capture.messages();
}

TEST_F(Propagation, AllZeroStateEndsWithTheSolversCode) {
  grid_values = {4, 0, 3, 3, 0, 0.1};
  psi_values.typ_funkcji_pocz = 0;
  psi_values.nazwa_pliku = "zero.dat";
  core_capture::write_file("zero.dat", "0 0\n0 0\n0 0\n0 0\n");
  start();
  EXPECT_EQ(capture.errors(), "\n\t*** Uwaga! Norma funkcji poczatkowej wczytywanej z pliku rozna od 1\n\n");
  capture.clear();
  EXPECT_EQ(wave->step_forward(), 1);
  EXPECT_EQ(wave->status, 1);
  EXPECT_EQ(capture.errors(), "\n\t*** Rownanie jednorodne => Rozwiazanie trywialne\n\n");
  // The step's outputs are still written.
  EXPECT_EQ(data_rows("1d-timed.dat").size(), 2u);
  EXPECT_EQ(wave->step, 2);
}

TEST_F(Propagation, ZeroPivotEndsWithTheSolversCode) {
  // dx = 1, dt = 0.5: the last row's diagonal is 4 - SN |psi|^2 + i (1 + q x E)
  // with x = 2, which E = 0.5 and SN = 4 on |psi|^2 = 1 make exactly zero.
  grid_values = {4, -1, 2, 3, 0, 0.5};
  equation_values.Ec = 0.5;
  equation_values.nieliniowosc_SN = 4;
  psi_values.typ_funkcji_pocz = 0;
  psi_values.nazwa_pliku = "edge.dat";
  core_capture::write_file("edge.dat", "0 0\n0 0\n0 0\n1 0\n");
  start();
  capture.clear();
  EXPECT_EQ(wave->step_forward(), 2);
  EXPECT_EQ(wave->status, 2);
  EXPECT_EQ(capture.errors(), "\n\t*** Dzielenie przez zero => Uklad sprzeczny\n\n");
  for (int i = 0; i <= wave->N; ++i) EXPECT_EQ(wave->psi[i], cd(0, 0)) << i;
  EXPECT_EQ(data_rows("1d-timed.dat").size(), 2u);
}

}  // namespace

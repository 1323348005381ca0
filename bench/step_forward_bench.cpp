// Time-step cost of the Crank-Nicolson propagation and of its tridiagonal
// solve, against the plain Thomas algorithm on the same number of points.
// Every step benchmark reports, besides Google Benchmark's own times,
// "x_ref": its CPU time per point over the reference's, both taken as the
// least of several interleaved rounds so that a busy machine touches both
// alike.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <complex>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

#include "file_names.h"
#include "grid_parameters.h"
#include "messages.h"
#include "thomas_reference.h"
#include "tridiagonal.h"
#include "wavefunction.h"

namespace {

using complex = std::complex<double>;

// The run that is measured: a Gaussian packet in the soft-core potential
// under a sin^2 pulse, Kosloff absorbers, no snapshots. The variants switch
// on the velocity gauge, the nonlinear term or a field that varies in x.
struct run_case {
  int gauge = 0;
  double k = 0;
  double SN = 0;
};

void write_parameter_set(int points, const run_case& run) {
  const auto folder = std::filesystem::temp_directory_path() / "q1d-bench";
  std::filesystem::create_directories(folder);
  std::filesystem::current_path(folder);
  std::ofstream("1d-grid.par") << "1\n" << points << " -100 100\n100000 0 0.05\n";
  std::ofstream("1d-eq.par") << "1\n2 -1 1\n0 0.05 0.5 " << run.k << " 0\n0 0 0\n2 30 20\n0\n1 0.5 4\n0 0 0\n"
                             << run.SN << "\n0 0\n";
  std::ofstream("1d-psi.par") << "1\n1 x\n0 1 0 1\n0 0 0 0\n" << run.gauge << "\n0 x\n";
}

// The reference system: diagonally dominant, like a Crank-Nicolson matrix.
struct reference_system {
  std::vector<complex> A, B, C, D, X, Y, f;
  explicit reference_system(int n)
      : A(n, {-0.5, 0.1}), B(n, {3, 0.2}), C(n, {-0.5, -0.1}), D(n, {1, 0}), X(n), Y(n), f(n) {
    A[n - 1] = 0;
    C[1] = 0;
  }
  void solve() {
    const int n = static_cast<int>(f.size());
    thomas_reference(n, A.data(), B.data(), C.data(), D.data(), X.data(), Y.data(), f.data());
    benchmark::DoNotOptimize(f.data());
    benchmark::ClobberMemory();
  }
  void solve_carried() {
    const int n = static_cast<int>(f.size());
    thomas_reference_carried(n, A.data(), B.data(), C.data(), D.data(), X.data(), Y.data(), f.data());
    benchmark::DoNotOptimize(f.data());
    benchmark::ClobberMemory();
  }
};

double thread_seconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

template <class Work>
double batch_seconds(Work& work, int repetitions) {
  const double start = thread_seconds();
  for (int r = 0; r < repetitions; ++r) work();
  return thread_seconds() - start;
}

// CPU ns per point of the step and of the reference, each the least of
// several rounds that alternate between them. Also: the step against the
// reference with its rows carried in registers ("x_carried"), and the share
// of the time-quantities line, a file opened, appended to and closed at
// every step ("line_ns_pt", "x_ref_no_line": the step without it).
void report_against_reference(benchmark::State& state, wavefunction& psi, int points) {
  reference_system reference(points + 1);
  auto solve = [&] { reference.solve(); };
  auto solve_carried = [&] { reference.solve_carried(); };
  auto step = [&] { benchmark::DoNotOptimize(psi.step_forward()); };
  auto line = [&] { psi.write_timed_line(); };
  const int repetitions = std::max(1, (1 << 21) / points);
  double best_reference = 1e300, best_carried = 1e300, best_step = 1e300, best_line = 1e300;
  for (int round = 0; round < 7; ++round) {
    best_reference = std::min(best_reference, batch_seconds(solve, repetitions));
    best_carried = std::min(best_carried, batch_seconds(solve_carried, repetitions));
    best_step = std::min(best_step, batch_seconds(step, repetitions));
    best_line = std::min(best_line, batch_seconds(line, repetitions));
  }
  const double scale = 1e9 / (static_cast<double>(repetitions) * points);
  state.counters["ns_pt"] = best_step * scale;
  state.counters["ref_ns_pt"] = best_reference * scale;
  state.counters["x_ref"] = best_step / best_reference;
  state.counters["x_carried"] = best_step / best_carried;
  state.counters["line_ns_pt"] = best_line * scale;
  state.counters["x_ref_no_line"] = (best_step - best_line) / best_reference;
}

void run_steps(benchmark::State& state, const run_case& run) {
  std::ostringstream sink;
  set_message_streams(sink, sink);
  const int points = static_cast<int>(state.range(0));
  write_parameter_set(points, run);
  grid_parameters grid("1d-grid.par", 2);
  wavefunction psi(grid, "1d-psi.par", 2);
  if (grid.status != 0 || psi.status != 0) {
    set_message_streams(std::cout, std::cerr);
    state.SkipWithError("parameter set rejected");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(psi.step_forward());
  report_against_reference(state, psi, points);
  state.SetComplexityN(points);
  set_message_streams(std::cout, std::cerr);
}

// Length gauge, field uniform in x: the throughput case.
void BM_StepForward(benchmark::State& state) { run_steps(state, {}); }
BENCHMARK(BM_StepForward)->RangeMultiplier(4)->Range(1024, 65536)->Complexity(benchmark::oN);

void BM_StepForward_pA(benchmark::State& state) { run_steps(state, {.gauge = 1}); }
BENCHMARK(BM_StepForward_pA)->Arg(4096)->Arg(65536);

void BM_StepForward_nonlinear(benchmark::State& state) { run_steps(state, {.SN = 0.5}); }
BENCHMARK(BM_StepForward_nonlinear)->Arg(4096)->Arg(65536);

void BM_StepForward_k(benchmark::State& state) { run_steps(state, {.k = 0.05}); }
BENCHMARK(BM_StepForward_k)->Arg(4096)->Arg(65536);

void BM_StepForward_pA_k(benchmark::State& state) { run_steps(state, {.gauge = 1, .k = 0.05}); }
BENCHMARK(BM_StepForward_pA_k)->Arg(4096);

void BM_ThomasReference(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  reference_system reference(n);
  for (auto _ : state) reference.solve();
  state.SetComplexityN(n);
}
BENCHMARK(BM_ThomasReference)->RangeMultiplier(4)->Range(1024, 65536)->Complexity(benchmark::oN);

void BM_SolveTridiagonal(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::vector<complex> A(n, {-0.5, 0.1}), B(n, {3, 0.2}), C(n, {-0.5, -0.1}), D(n, {1, 0}), f(n);
  A[n - 1] = 0;
  C[1] = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(solve_tridiagonal(n, A.data(), B.data(), C.data(), D.data(), f.data(), 2));
    benchmark::ClobberMemory();
  }
  state.SetComplexityN(n);
}
BENCHMARK(BM_SolveTridiagonal)->RangeMultiplier(4)->Range(1024, 65536)->Complexity(benchmark::oN);

}  // namespace

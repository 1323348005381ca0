// Time-step cost of the Crank-Nicolson propagation and of its tridiagonal
// solve, for a few grid sizes. Each step should be O(N).
#include <benchmark/benchmark.h>

#include <complex>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

#include "file_names.h"
#include "grid_parameters.h"
#include "messages.h"
#include "tridiagonal.h"
#include "wavefunction.h"

namespace {

// Writes a parameter set into a scratch folder: a Gaussian packet in the
// soft-core potential under a sin^2 pulse, Kosloff absorbers, no snapshots.
void write_parameter_set(int points) {
  const auto folder = std::filesystem::temp_directory_path() / "q1d-bench";
  std::filesystem::create_directories(folder);
  std::filesystem::current_path(folder);
  std::ofstream("1d-grid.par") << "1\n" << points << " -100 100\n100000 0 0.05\n";
  std::ofstream("1d-eq.par") << "1\n2 -1 1\n0 0.05 0.5 0 0\n0 0 0\n2 30 20\n0\n1 0.5 4\n0 0 0\n0\n0 0\n";
  std::ofstream("1d-psi.par") << "1\n1 x\n0 1 0 1\n0 0 0 0\n0\n0 x\n";
}

void BM_StepForward(benchmark::State& state) {
  std::ostringstream sink;
  set_message_streams(sink, sink);
  write_parameter_set(static_cast<int>(state.range(0)));
  grid_parameters grid("1d-grid.par", 2);
  wavefunction psi(grid, "1d-psi.par", 2);
  if (grid.status != 0 || psi.status != 0) {
    state.SkipWithError("parameter set rejected");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(psi.step_forward());
  state.SetComplexityN(state.range(0));
  set_message_streams(std::cout, std::cerr);
}
BENCHMARK(BM_StepForward)->RangeMultiplier(4)->Range(1024, 65536)->Complexity(benchmark::oN);

void BM_SolveTridiagonal(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::vector<std::complex<double>> A(n, {-0.5, 0.1}), B(n, {3, 0.2}), C(n, {-0.5, -0.1}), D(n, {1, 0}), f(n);
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

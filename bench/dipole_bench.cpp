// Cost of the dipole record: one Crank-Nicolson step on 4096 points with the
// record off and on (d_save 0 / 1), in both gauges. The record should add at
// most a tenth to a step.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "grid_parameters.h"
#include "messages.h"
#include "wavefunction.h"

namespace {

// The soft-core ground state under a sin^2 pulse with Kosloff absorbers, no
// snapshots; d_save as given, gauge 0 (dE) or 1 (pA).
void write_parameter_set(int d_save, int gauge) {
  const auto folder = std::filesystem::temp_directory_path() / "q1d-dipole-bench";
  std::filesystem::create_directories(folder);
  std::filesystem::current_path(folder);
  std::ofstream("1d-grid.par") << "1\n4096 -204.75 204.75\n100000 0 0.05\n";
  std::ofstream("1d-eq.par") << "1\n2 -1 1.4142135623730951\n0 0.05 0.057 0 0\n0 0 0\n2 220 662\n0\n1 0.5 5\n"
                                "0 1 1\n0\n0 0 "
                             << d_save << "\n";
  std::ofstream("1d-psi.par") << "1\n1 x\n0 1 0 1\n0 0 0 0\n" << gauge << "\n0 x\n";
}

void BM_Step(benchmark::State& state) {
  std::ostringstream sink;
  set_message_streams(sink, sink);
  write_parameter_set(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  {
    grid_parameters grid("1d-grid.par", 2);
    wavefunction psi(grid, "1d-psi.par", 2);
    if (grid.status != 0 || psi.status != 0) {
      state.SkipWithError("parameter set rejected");
    } else {
      for (auto _ : state) benchmark::DoNotOptimize(psi.step_forward());
    }
  }
  set_message_streams(std::cout, std::cerr);
}
// Arguments: d_save, gauge.
BENCHMARK(BM_Step)->ArgNames({"d_save", "gauge"})->Args({0, 0})->Args({1, 0})->Args({0, 1})->Args({1, 1});

}  // namespace

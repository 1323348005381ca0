// A wavefunction file read as an initial state (kind 0) or a projection.
#include "fuzz_support.h"
#include "grid_parameters.h"
#include "initial_states.h"

#include <complex>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  prepare_fuzz_process();
  write_fixed_parameters();
  write_input("initial.dat", data, size);
  const grid_parameters grid("fixed-grid.par", 2);
  std::vector<std::complex<double>> psi(static_cast<std::size_t>(grid.x_count) + 1);
  try {
    read_initial_file(grid, psi.data(), "initial.dat", 0);
  } catch (const fuzz_fatal_ending&) {
  }
  return 0;
}

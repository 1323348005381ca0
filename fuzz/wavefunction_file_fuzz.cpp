// The wavefunction parameter file: the whole construction of a run on a small
// grid (initial state, step-0 outputs), as mirelo -t does it.
#include "file_names.h"
#include "fuzz_support.h"
#include "grid_parameters.h"
#include "wavefunction.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  prepare_fuzz_process();
  write_fixed_parameters();
  set_file_name(equation_file_name, "fixed-eq.par");
  write_input("1d-psi.par", data, size);
  const grid_parameters grid("fixed-grid.par", 2);
  try {
    wavefunction wave(grid, "1d-psi.par", 0);
  } catch (const fuzz_fatal_ending&) {
  }
  return 0;
}

// The equation parameter file, read by both gauges on a small grid, with the
// coefficient check the run makes.
#include "equation_dE.h"
#include "equation_pA.h"
#include "fuzz_support.h"
#include "grid_parameters.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  prepare_fuzz_process();
  write_fixed_parameters();
  write_input("1d-eq.par", data, size);
  const grid_parameters grid("fixed-grid.par", 2);
  try {
    const equation_dE length("1d-eq.par", grid, 0);
    if (length.status == 0) (void)length.coefficients_finite();
    const equation_pA velocity("1d-eq.par", grid, 0);
    if (velocity.status == 0) (void)velocity.coefficients_finite();
  } catch (const fuzz_fatal_ending&) {
  }
  return 0;
}

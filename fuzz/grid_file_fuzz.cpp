// The grid parameter file.
#include "fuzz_support.h"
#include "grid_parameters.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  prepare_fuzz_process();
  write_input("1d-grid.par", data, size);
  const grid_parameters grid("1d-grid.par", 0);
  if (grid.status == 0 && grid.xdim() < 64) {
    for (int i = 1; i <= grid.xdim(); ++i) (void)grid.x(i);
  }
  return 0;
}

// mirelo's file of parameter-file names, through the program's entry in test
// mode.
#include "fuzz_support.h"
#include "mirelo.h"

#include <iostream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  prepare_fuzz_process();
  write_fixed_parameters();
  write_input("names.txt", data, size);
  const char* arguments[] = {"mirelo", "-t", "-pnames.txt"};
  std::cout.setstate(std::ios::badbit);  // mirelo prints its banner to standard output
  try {
    mirelo_main(3, const_cast<char**>(arguments));
  } catch (const fuzz_fatal_ending&) {
  }
  std::cout.clear();
  prepare_fuzz_process();  // mirelo_main installs the standard streams
  return 0;
}

// ovint's reader of wavefunction files and its sums over the grid it found.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "overlap_sums.h"
#include "wave_file_info.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::istringstream file(text);
  const WaveFileInfo info = describe_wave_file(file);
  if (info.fault != wave_file_fault::none || info.point_count > 100000) return 0;
  std::istringstream first(text), second(text);
  skip_lines(first, info.comment_lines);
  skip_lines(second, info.comment_lines);
  (void)sum_overlap(first, second, info);
  return 0;
}

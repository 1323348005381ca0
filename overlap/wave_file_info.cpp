#include "wave_file_info.h"

#include <limits>

namespace {

// A failed read leaves the target as it was, so the last good numbers stay.
void read_keeping(std::istream& file, double& target) {
  double value = 0;
  if (file >> value) target = value;
}

}  // namespace

WaveFileInfo describe_wave_file(std::istream& file) {
  WaveFileInfo info;
  // Comment lines are recognised by their first character only and skipped
  // whole, so no length can split one into a bogus data line.
  while (file.peek() == '#') {
    skip_lines(file, 1);
    ++info.comment_lines;
  }
  // The first data line is read like the rest: any white space separates its
  // two numbers. Pairs are read until one fails; the last complete pair is the
  // closing pair of x values, and the failing attempt is counted too.
  int attempts = 0;
  while (!file.fail()) {
    read_keeping(file, info.first_x);
    read_keeping(file, info.last_x);
    ++attempts;
  }
  info.point_count = attempts - 2;
  // A single point has no step; 0 keeps its x finite instead of dividing by 0.
  if (info.point_count != 1) info.dx = (info.last_x - info.first_x) / (info.point_count - 1);
  return info;
}

void skip_lines(std::istream& file, int count) {
  for (int i = 0; i < count; ++i) file.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
}

bool same_grid(const WaveFileInfo& a, const WaveFileInfo& b) {
  return a.point_count == b.point_count && a.first_x == b.first_x && a.last_x == b.last_x;
}

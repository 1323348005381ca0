// What ovint learns about one wavefunction file: its grid and the number of
// comment lines at its head.
#pragma once

#include <istream>

struct WaveFileInfo {
  int point_count = 0;    // N: the (re, im) pairs before the closing pair of x values
  double first_x = 0;     // x of the first grid point
  double last_x = 0;      // x of the last grid point
  double dx = 0;          // (last_x - first_x) / (N - 1)
  int comment_lines = 0;  // lines starting with '#' at the head of the file
};

// Reads the description from a stream standing at the start of the file.
// A negative point count means the file holds no pair of numbers at all.
WaveFileInfo describe_wave_file(std::istream& file);

// Skips the given number of whole lines, however long they are.
void skip_lines(std::istream& file, int count);

// True when both files hold the same grid points: count and end points
// (the step follows from them).
bool same_grid(const WaveFileInfo& a, const WaveFileInfo& b);

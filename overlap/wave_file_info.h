// What ovint learns about one wavefunction file: its grid and the number of
// comment lines at its head.
#pragma once

#include <istream>

// Why a file cannot be used, when it cannot.
enum class wave_file_fault {
  none,
  no_data,    // not a single pair of numbers
  cut,        // ends inside a line, or its last two lines are not the closing pair of x values
  long_line,  // a line longer than max_line_length
};

struct WaveFileInfo {
  int point_count = 0;    // N: the (re, im) pairs before the closing pair of x values
  double first_x = 0;     // x of the first grid point
  double last_x = 0;      // x of the last grid point
  double dx = 0;          // (last_x - first_x) / (N - 1)
  int comment_lines = 0;  // lines starting with '#' at the head of the file
  wave_file_fault fault = wave_file_fault::none;
};

// No line of a wavefunction file comes near this; a longer one means the file
// is something else, and reading it on would only fill the memory.
constexpr std::size_t max_line_length = 1 << 20;

// Reads the description from a stream standing at the start of the file.
// The numbers after the comment lines are read as whitespace-separated
// tokens; the file must end on a line break and its last two lines must each
// hold one number, the x of the first and of the last point. Anything else
// (the file of an interrupted writer, say) is a fault, and the grid is then
// not to be used.
WaveFileInfo describe_wave_file(std::istream& file);

// Skips the given number of whole lines, however long they are.
void skip_lines(std::istream& file, int count);

// True when both files hold the same grid points: count and end points
// (the step follows from them).
bool same_grid(const WaveFileInfo& a, const WaveFileInfo& b);

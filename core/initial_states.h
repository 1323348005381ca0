// Initial states of a run that the wavefunction fills itself: a wavefunction
// read from a text file (kind 0) and a Gaussian packet (kind 1). The square
// well state (well.h) and the shooting state (shooting.h) are the other two.
#pragma once

#include <complex>
#include <istream>
#include <string>
#include <string_view>

class grid_parameters;

// What a reader of a wavefunction file found besides the values.
enum class wave_values {
  good,
  long_line,     // a line longer than max_line_length: not a wavefunction file
  out_of_range,  // a value whose square overflows (or that is not a number)
};

// No line of a wavefunction file comes near this; a longer one means the file
// is something else, and reading it on would only fill the memory.
constexpr std::size_t max_line_length = 1 << 20;

// Reads the values of a wavefunction file (the format that
// save_wavefunction writes) into psi[1..xdim]: the leading lines that start
// with '#' are skipped (each shown at level below 0 as comment_label, the
// line and "\n"), node 1 is the number at the start of the first data line
// and the number after its first space character, nodes 2..xdim follow as
// whitespace-separated pairs (real, imaginary). Whatever is not there (too
// few pairs, a token that is not a number) leaves its node zero; the trailing
// range lines of the format are not read. psi has grid.x_count elements.
// Values that are not good leave psi unusable; the caller reports them.
wave_values read_wavefunction_values(std::istream& in, const grid_parameters& grid, std::complex<double>* psi,
                                     int level, std::string_view comment_label);

// The line for a file whose values are not good: "Blad: ... (name)".
void report_wave_values(wave_values found, const std::string& name);

// Kind 0: the initial state from the file name. A missing name or file is
// fatal. A norm that differs from 1 by more than 1e-5 is only a warning:
// the values are used as read. A file that is not a regular file, a line too
// long or values out of range are reported and give false.
bool read_initial_file(const grid_parameters& grid, std::complex<double>* psi,
                       const std::string& name, int level);

// Kind 1: N*exp(-((x-x0)/(4a))^2 + i k x) on psi[1..xdim], N making the plain
// sum of |psi[i]|^2 equal to 1 (N is 0 when the sum is 0).
void gaussian_state(const grid_parameters& grid, double x0, double a, double k,
                    std::complex<double>* psi, int level);

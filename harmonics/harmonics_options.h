// mirelo-spectrum's command line:
//   mirelo-spectrum [-h] [--window hann|blackman|none]
//                   [--form acceleration|dipole|velocity] [--ip Ip]
#pragma once

#include <ostream>

enum class spectrum_window { hann, blackman, none };
enum class spectrum_form { acceleration, dipole, velocity };

struct spectrum_options {
  spectrum_window window = spectrum_window::hann;
  spectrum_form form = spectrum_form::acceleration;
  bool ip_given = false;
  double ip = 0;  // ionisation potential from --ip
  bool help = false;
};

// Reads the arguments after the program name; "--window=none" is the same
// as "--window none". Returns 0, or 1 after an error line naming the
// argument that is unknown, lacks its value or has a wrong one.
int parse_spectrum_options(int argc, const char* const* argv, spectrum_options& options);

const char* window_name(spectrum_window window);
const char* form_name(spectrum_form form);

void print_spectrum_help(std::ostream& out);

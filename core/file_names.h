// The process-wide table of file names shared by the core and its hosts.
#pragma once

#include <string>
#include <string_view>

enum file_name_index {
  grid_file_name,          // "1d-grid.par"
  equation_file_name,      // "1d-eq.par"
  wavefunction_file_name,  // "1d-psi.par"
  timed_file_name,         // "1d-timed.dat"
  plot_prefix,             // "plt"
  psi_prefix,              // "psi"
  fft_prefix,              // "fft"
  potential_file_name,     // "v(x).dat"
  field_file_name,         // "e(t).dat"
  final_file_name,         // "psi_stop.dat"
  dipole_file_name,        // "1d-dipole.dat"
  file_name_count
};

// Every name lives in a 1000-byte buffer, so it holds at most 999 characters.
constexpr std::size_t file_name_capacity = 1000;

const std::string& file_name(file_name_index index);
// Stores the name, cut to 999 characters.
void set_file_name(file_name_index index, std::string_view name);
// Puts back the defaults.
void reset_file_names();
// A name cut to what a 1000-byte buffer holds.
std::string fit_file_name(std::string_view name);

#include "file_names.h"

#include <array>

namespace {

const std::array<const char*, file_name_count> defaults = {
    "1d-grid.par", "1d-eq.par", "1d-psi.par", "1d-timed.dat", "plt",
    "psi",         "fft",       "v(x).dat",   "e(t).dat",     "psi_stop.dat",
    "1d-dipole.dat"};

std::array<std::string, file_name_count>& table() {
  static std::array<std::string, file_name_count> names = [] {
    std::array<std::string, file_name_count> initial;
    for (int i = 0; i < file_name_count; ++i) initial[i] = defaults[i];
    return initial;
  }();
  return names;
}

}  // namespace

std::string fit_file_name(std::string_view name) {
  return std::string(name.substr(0, file_name_capacity - 1));
}

const std::string& file_name(file_name_index index) { return table()[index]; }

void set_file_name(file_name_index index, std::string_view name) {
  table()[index] = fit_file_name(name);
}

void reset_file_names() {
  for (int i = 0; i < file_name_count; ++i) table()[i] = defaults[i];
}

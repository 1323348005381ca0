// What gather takes from one finished run: the last line of its 1d-timed.dat
// and the largest |<x>| over all lines.
#pragma once

#include <filesystem>
#include <string>

struct run_summary {
  double norm = 0, overlap = 0, mean_x = 0, max_abs_x = 0;
  long lines = 0;  // data lines read
};

// Reads the time-quantities file (columns t, norm, [projection], overlap,
// <x>). False with a reason when it is missing, malformed or holds fewer than
// expected_lines data lines (a run cut short).
bool read_run_summary(const std::filesystem::path& file, long expected_lines, run_summary& summary,
                      std::string& error);

// Number of time steps the run's grid file asks for, or -1 when unreadable.
long grid_time_steps(const std::filesystem::path& grid_file);

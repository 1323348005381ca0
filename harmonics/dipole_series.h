// One column of the dipole record ("1d-dipole.dat") as a time series on
// its uniform time grid.
#pragma once

#include <string>
#include <vector>

// Columns of the record: t, <x>, <dV/dx>, F(t), a(t).
enum dipole_column { time_column = 0, position_column = 1, acceleration_column = 4, dipole_column_count = 5 };

struct dipole_series {
  double t0 = 0;  // time of the first node
  double dt = 0;  // time step
  std::vector<double> values;
};

// A spectrum needs at least this many time nodes.
constexpr std::size_t minimum_time_nodes = 16;

// Reads the column of every data line (lines starting with '#' are the
// header). A missing file, a line without all five numbers, time steps that
// are not uniform, and fewer than minimum_time_nodes lines are reported as
// an error line naming the file; the result is then 1, else 0.
int read_dipole_series(const std::string& name, dipole_column column, dipole_series& series);

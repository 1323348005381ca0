// The uniform space grid and time sequence of a run, read from the grid
// parameter file ("1d-grid.par").
#pragma once

#include <ostream>
#include <string>

class grid_parameters {
 public:
  grid_parameters(const std::string& file_name, int message_level);

  // Coordinate of space index i (1..xdim) and time of step j (0..tdim);
  // no range check.
  long double x(int i) const { return static_cast<long double>(i - 1) * dx + xmin; }
  long double t(int j) const { return static_cast<long double>(j) * dt + tmin; }

  // Number of grid points; arrays hold one more element (element 0 unused).
  int xdim() const { return x_count - 1; }

  // "Parametry sieci  x: ..." line that file headers quote after a '#'.
  void write_summary_line(std::ostream& stream) const;

  int status = 0;         // 0 after a successful read, 1 after any error
  double version = 0;     // version read from the file
  int x_count = 0;        // xdim + 1; -1 for a missing or invalid file
  double xmin = 0, xmax = 0, dx = 0;
  int tdim = 0;           // number of time steps; test mode sets it to 0
  double tmin = 0, tmax = 0, dt = 0;
  int message_level = 1;
  std::string name;       // the grid file name, at most 999 characters
  double xdim_read = 0, tdim_read = 0;  // the counts exactly as read

 private:
  int read_file();
  void print_summary() const;
};

// The picture of a sweep: one column of summary.dat against the first swept
// key, one curve per combination of the other keys, drawn by gnuplot.
#pragma once

#include <string>
#include <vector>

struct plot_point {
  double x, y;
  std::string curve;  // "w=0.5, Eo=0.1" for the keys after the first; empty with one key
};

// The gnuplot script that draws the points into png_file (x log-scaled when
// log_x), each curve sorted along x.
std::string plot_script(std::vector<plot_point> points, const std::string& x_label, const std::string& y_label,
                        bool log_x, const std::string& png_file);

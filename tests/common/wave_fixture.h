// Test support for whole runs: the three parameter files of a run, written
// with full precision into the current (scratch) directory.
#pragma once

#include <fstream>
#include <gtest/gtest.h>
#include <iomanip>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core_capture.h"
#include "grid_parameters.h"
#include "wavefunction.h"

struct grid_file {
  int xdim = 64;
  double xmin = -10, xmax = 10;
  int tdim = 10;
  double tmin = 0, dt = 0.01;
  void write(const std::string& name = "1d-grid.par") const {
    std::ofstream out(name);
    out << std::setprecision(17) << "1\n" << xdim << " " << xmin << " " << xmax << "\n"
        << tdim << " " << tmin << " " << dt << "\n";
  }
};

struct equation_file {
  int potential = 0;
  double Vo = 0, a = 0, Ec = 0, Eo = 0, w = 0, k = 0, phi = 0, w2 = 0, w3 = 0, w4 = 0;
  int envelope = 0;
  double T1 = 0, T2 = 0;
  int mixed_gauge = 0;
  int absorber = 0;
  double Uo_abs = 0, a_abs = 0, Uor_abs = 0, Nr_abs = 1, Ni_abs = 1;
  double SN = 0;
  int v_save = 0, e_save = 0;
  void write(const std::string& name = "1d-eq.par") const {
    std::ofstream out(name);
    out << std::setprecision(17) << "1\n" << potential << " " << Vo << " " << a << "\n"
        << Ec << " " << Eo << " " << w << " " << k << " " << phi << "\n" << w2 << " " << w3 << " " << w4 << "\n"
        << envelope << " " << T1 << " " << T2 << "\n" << mixed_gauge << "\n" << absorber << " " << Uo_abs
        << " " << a_abs << "\n" << Uor_abs << " " << Nr_abs << " " << Ni_abs << "\n" << SN << "\n"
        << v_save << " " << e_save << "\n";
  }
};

struct psi_file {
  int kind = 1;
  std::string initial_file = "brak";
  double x0 = 0, a = 1, k = 0;
  int n = 1;
  int plot_period = 0, psi_period = 0, fft_period = 0, offset = 0;
  int gauge = 0;
  int project = 0;
  std::string project_file = "brak";
  std::string text() const {
    std::ostringstream out;
    out << std::setprecision(17) << "1\n" << kind << " " << initial_file << "\n" << x0 << " " << a << " " << k
        << " " << n << "\n" << plot_period << " " << psi_period << " " << fft_period << " " << offset << "\n"
        << gauge << "\n" << project << " " << project_file << "\n";
    return out.str();
  }
  void write(const std::string& name = "1d-psi.par") const { std::ofstream(name) << text(); }
};

// The data lines of a result file (lines not starting with '#') as numbers.
inline std::vector<std::vector<double>> data_rows(const std::string& name) {
  std::ifstream in(name);
  std::vector<std::vector<double>> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::vector<double> row;
    double value;
    while (fields >> value) row.push_back(value);
    rows.push_back(row);
  }
  return rows;
}

inline int count_lines(const std::string& text) {
  int lines = 0;
  for (char c : text) lines += c == '\n';
  return lines;
}

// A run on the three parameter files, rebuilt by start() from the current
// values: the grid at the quiet level, the wavefunction at the given one.
struct wave_run : ::testing::Test {
  core_capture capture;
  grid_file grid_values;
  equation_file equation_values;
  psi_file psi_values;
  std::unique_ptr<grid_parameters> grid;
  std::unique_ptr<wavefunction> wave;

  wavefunction& start(int level = 2) {
    wave.reset();
    grid_values.write();
    equation_values.write();
    psi_values.write();
    grid = std::make_unique<grid_parameters>("1d-grid.par", 2);
    wave = std::make_unique<wavefunction>(*grid, "1d-psi.par", level);
    EXPECT_EQ(wave->status, 0) << capture.errors();
    return *wave;
  }
};

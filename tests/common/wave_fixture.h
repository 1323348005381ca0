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
  int typ_potencjalu = 0;
  double Vo = 0, a = 0, Ec = 0, Eo = 0, w = 0, k = 0, phi = 0, w2 = 0, w3 = 0, w4 = 0;
  int typ_obwiedni = 0;
  double T1 = 0, T2 = 0;
  int pA_cechowanie_mieszane = 0;
  int typ_pot_absorb = 0;
  double Uo_abs = 0, a_abs = 0, Uor_abs = 0, Nr_abs = 1, Ni_abs = 1;
  double nieliniowosc_SN = 0;
  int v_save = 0, e_save = 0;
  int d_save = -1;  // the dipole switch, a 26th token; left out when negative
  void write(const std::string& name = "1d-eq.par") const {
    std::ofstream out(name);
    out << std::setprecision(17) << "1\n" << typ_potencjalu << " " << Vo << " " << a << "\n"
        << Ec << " " << Eo << " " << w << " " << k << " " << phi << "\n" << w2 << " " << w3 << " " << w4 << "\n"
        << typ_obwiedni << " " << T1 << " " << T2 << "\n" << pA_cechowanie_mieszane << "\n" << typ_pot_absorb
        << " " << Uo_abs << " " << a_abs << "\n" << Uor_abs << " " << Nr_abs << " " << Ni_abs << "\n"
        << nieliniowosc_SN << "\n" << v_save << " " << e_save << "\n";
    if (d_save >= 0) out << d_save << "\n";
  }
};

struct psi_file {
  int typ_funkcji_pocz = 1;
  std::string nazwa_pliku = "brak";
  double x0 = 0, a = 1, k = 0;
  int n = 1;
  int co_ile_krokow_zapis_wykresu = 0, co_ile_krokow_zapis_funkcji = 0, co_ile_krokow_zapis_fft = 0;
  int przesuniecie = 0;
  int cechowanie_hamiltonianu = 0;
  int rzutuj_na_plik = 0;
  std::string rzutuj_nazwa_pliku = "brak";
  std::string text() const {
    std::ostringstream out;
    out << std::setprecision(17) << "1\n" << typ_funkcji_pocz << " " << nazwa_pliku << "\n" << x0 << " " << a
        << " " << k << " " << n << "\n" << co_ile_krokow_zapis_wykresu << " " << co_ile_krokow_zapis_funkcji << " "
        << co_ile_krokow_zapis_fft << " " << przesuniecie << "\n" << cechowanie_hamiltonianu << "\n"
        << rzutuj_na_plik << " " << rzutuj_nazwa_pliku << "\n";
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

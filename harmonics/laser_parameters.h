// What the spectrum takes from the run's parameter files: the laser
// frequency and amplitude, and the ionisation potential of the initial
// state, which together place the classical cutoff of the plateau.
#pragma once

#include <string>

#include "harmonics_options.h"

class grid_parameters;
class equation_base;

struct laser_parameters {
  double w = 0;   // laser frequency: the unit of the harmonic orders
  double Eo = 0;  // field amplitude
  double up = 0;  // ponderomotive energy Eo^2 / (4 w^2)
  bool ip_known = false;
  double ip = 0;  // ionisation potential
  // (Ip + 3.17 Up) / w, meaningful when ip_known.
  double cutoff_order() const { return (ip + 3.17 * up) / w; }
};

// Reads the grid and equation files named in the file-name table and, when
// the options give no Ip, takes it from the initial state of the
// wavefunction file. A file the core's readers reject and w = 0 are errors
// (result 1 after the error line); an initial state without a known energy
// leaves ip_known false.
int read_laser_parameters(const spectrum_options& options, laser_parameters& laser);

// The energy of the initial state of kind 2 (the square well's own energy)
// or 3 (the shooting state's energy as the expectation value of the
// field-free Hamiltonian on the grid, as the run propagates it). Returns 0
// with known set, 0 with known false for the other kinds, 1 after an error
// line.
int initial_state_energy(const grid_parameters& grid, equation_base& equation, const std::string& psi_file,
                         bool& known, double& energy);

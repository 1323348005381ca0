// The dipole record of a run ("1d-dipole.dat"): at every time node the mean
// position, the mean gradient of the binding potential, the force of the
// field and the dipole acceleration, with 17 significant digits, so that a
// harmonic spectrum can be computed from it far below the fundamental.
//
// The acceleration obeys Ehrenfest's theorem in both gauges,
//   d2<x>/dt2 = a(t) = -<dV/dx> + F(t),
// with F the force of the field in the run's own gauge and sign convention:
// F = -q E(0,t) in the length gauge (the potential energy there is q x E),
// F = -q dA(0,t)/dt in the velocity gauge (kinetic momentum p - q A).
// The field is taken at x = 0: the dipole approximation, exact for k = 0.
#pragma once

#include <fstream>
#include <memory>
#include <string>
#include <vector>

class equation_base;
class wavefunction;

class dipole_file {
 public:
  // When the equation's d_save is non-zero: creates the file under a
  // temporary name into record, writes its header and the line of the
  // wavefunction's current time node. record stays empty when d_save is 0.
  // Returns false (after an error line) when the file cannot be created.
  static bool open(const wavefunction& wave, std::unique_ptr<dipole_file>& record);
  // Flushes the file and gives it its final name (whole lines only, also
  // after a run that ended early); a write that failed is reported, and the
  // previous file of that name is then left as it was.
  ~dipole_file();
  // The same, for a run that goes on to report its result: a failure also
  // marks the wavefunction's write_failed. Returns true when the record is
  // complete under its name.
  bool close(const wavefunction& wave);
  dipole_file(const dipole_file&) = delete;
  dipole_file& operator=(const dipole_file&) = delete;

  // The line of the wavefunction's current time node; the mean position
  // must already be computed for that node.
  void append(const wavefunction& wave);

  // F(t), the force of the field on the particle at x = 0.
  static long double field_force(const equation_base& equation, double t);
  // <dV/dx> = sum of dV/dx(x_i) |psi_i|^2 over the grid, plain sum like <x>.
  double mean_gradient(const wavefunction& wave) const;

 private:
  dipole_file(const wavefunction& wave, std::string name);

  // Reports the first failed write of the record and marks the run.
  void note_failure(const wavefunction& wave);
  bool finish();

  std::string name_, temporary_name_;
  bool closed_ = false;
  bool failed_ = false;
  std::ofstream file_;
  std::string buffer_;
  // dV/dx at nodes 1..xdim by central differences of the real potential.
  std::vector<double> gradient_;
};

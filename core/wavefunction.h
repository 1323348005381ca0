// The state of one simulation: the wavefunction on the space grid, the
// initial state kept for overlaps, the Crank-Nicolson coefficients, the
// equation of the chosen gauge and the time-dependent quantities of the
// current time node. Built from the wavefunction parameter file
// ("1d-psi.par"); advanced by step_forward once per time step.
#pragma once

#include <complex>
#include <cstdlib>
#include <memory>
#include <string>

#include "parameter_kinds.h"
#include "wavefunction_parameters.h"

class grid_parameters;
class equation_base;
class equation_sampler;
class text_file;
class dipole_file;
enum class sampling_mode;

// A block of complex values from malloc: nothing touches its memory until
// the grid size has been checked.
struct free_deleter {
  void operator()(void* block) const { std::free(block); }
};
using complex_array = std::unique_ptr<std::complex<double>[], free_deleter>;

// The parameter file's fields are the object's own, under the file's keys.
class wavefunction : public wavefunction_parameters {
 public:
  // Reads the parameter file, builds the equation, fills the initial state,
  // prepares the first step and writes the step-0 outputs. The caller tests
  // status (0 good, 1 failed construction). The grid must outlive the object.
  wavefunction(const grid_parameters& grid, const std::string& parameter_file_name, int message_level);
  // At level below 2 prints "Usuwanie funkcji falowej..." (no line break).
  ~wavefunction();
  wavefunction(const wavefunction&) = delete;
  wavefunction& operator=(const wavefunction&) = delete;

  void set_message_level(int level) { message_level = level; }

  // One Crank-Nicolson step (propagation.cpp): solves the prepared system,
  // writes the snapshots due, computes and records the quantities, prepares
  // the next system. Returns the solver's code, also kept in status.
  int step_forward();

  // Time at the current step counter, then norm, overlap and mean position.
  void get_quantities(double& time, double& norm_out, double& overlap_out, double& position_out) const;
  // Writes the current array in the wavefunction file format.
  void save_wavefunction(const std::string& name) const;
  // Closes the records kept open through the run (the time-quantities file
  // and the dipole record) and puts them under their names; a failure sets
  // write_failed.
  void close_records();

  // The quantities of the current array (outputs.cpp); each stores and
  // returns its value and prints it at level below 1.
  double compute_norm();
  double compute_mean_position();
  double compute_overlap();
  // Re-reads the file at every call; a missing file warns and gives 0.
  double compute_projection(const std::string& name);

  // Writers of the outputs of one time node (outputs.cpp).
  void write_plot_file(const std::string& name);  // also records last_plot_file
  void write_wavefunction_file(const std::string& name) const;
  bool write_fft_file(const std::string& name) const;  // false when N-1 is not 2^m
  void write_timed_line() const;  // creates the file with its header at step 0
  void print_step_line() const;

  // "00007" below 10000, the plain number from there on.
  static std::string counter_text(int step);
  // True when a snapshot with this period is due at this step.
  static bool snapshot_due(int step, int period, int offset);

  int status = 0;              // 0 good; 1 failed construction; after a step the solver's code
  complex_array initial;       // psi(t=0), nodes 1..N-1; never changes after construction
  complex_array psi;           // psi at the current time node
  std::string last_plot_file;  // plot file written by the latest step, empty when none
  int N = 0;                   // node count of the grid (xdim + 1)
  int message_level = 1;
  std::string parameter_file_name;
  int step = 0;                // time node of the next state to be computed
  const grid_parameters& grid;
  std::unique_ptr<equation_base> equation;
  // Super-, main and sub-diagonal and right-hand side of the next system,
  // filled only when that system goes to solve_tridiagonal (see below).
  complex_array A, B, C, D;
  double norm = 0;
  double overlap = 0;
  double projection = 0;
  double mean_position = 0;

  // Failures that leave the object usable but the run worthless; the run
  // sequence checks them after construction and after every step.
  // Set by the first result file that could not be written, after its error
  // line (later failures add no line).
  mutable bool write_failed = false;
  // Set when the projection file was refused, after its error line.
  bool input_refused = false;

 private:
  // Closes a result file; on failure reports it (the first time) and sets
  // write_failed. Returns true when the file is complete under its name.
  bool finish(text_file& file, const std::string& name) const;
  // The time node's values of the time-quantities line.
  void put_timed_values(text_file& file) const;
  int read_parameter_file();
  void print_parameter_summary() const;
  bool allocate_arrays();
  int create_equation();
  bool fill_initial_state();
  void compute_quantities();
  void write_snapshot_files();
  // The system of the transition from t_j to t_(j+1) (propagation.cpp):
  // prepare_transition eliminates it when it can, else builds it into A..D
  // with prepare_coefficients.
  void prepare_transition(int j);
  void prepare_coefficients(int j);
  // Sum of conj(phi_i) G(x_i,t) psi_i over the interior nodes.
  std::complex<double> gauge_product(const std::complex<double>* phi) const;

  std::unique_ptr<equation_sampler> sampler_;

  // The fused time step (fused_sweep.cpp). At the levels without dumps
  // (0 and above) the next system is eliminated row by row while it is built, into the rows X, Y
  // (f[i] = X[i-1] f[i-1] + Y[i-1]); the next step then only substitutes,
  // and sums the quantities of the new state in the same pass. The dumps,
  // and a system that the solver must report on (a zero right-hand side or
  // pivot), take the straightforward way through A..D and solve_tridiagonal,
  // with the same arithmetic and therefore the same results.
  struct quantity_sums {
    bool summed = false;  // false: the state came from solve_tridiagonal
    long double norm = 0, position = 0, overlap_re = 0, overlap_im = 0;
  };
  bool eliminate_transition(int j);  // false when the system must go to the solver
  template <sampling_mode Mode>
  bool eliminate_rows();
  quantity_sums substitute_and_sum();
  // G: the gauge phases of the time node, or null where they are all 1.
  template <bool WithPhase>
  void substitute_rows(quantity_sums& sums, const std::complex<double>* G);
  // Stores and prints the quantities from the sums (quantities.cpp).
  void record_quantities(const quantity_sums& sums);
  double record_norm(long double sum);
  double record_mean_position(long double sum);
  double record_overlap(std::complex<double> S);
  bool transition_eliminated_ = false;
  complex_array X_, Y_;
  // The state read for the projection: allocated with the other storage,
  // filled anew at every step.
  std::unique_ptr<std::complex<double>[]> projection_state_;
  // The dipole record, when the equation asks for it.
  std::unique_ptr<dipole_file> dipole_;
  // "1d-timed.dat" kept open after step 0 for the lines of the later steps.
  mutable std::unique_ptr<text_file> timed_file_;
};

// One simulation run as both hosts carry it out: the grid and the
// wavefunction from their parameter files, the time steps with the host's
// call after each one, the final file, and the early endings with their
// error lines.
#pragma once

#include <functional>
#include <string>

class wavefunction;

// How a run ended.
enum class run_end {
  completed,  // every step done and the final file written (test mode: the set was accepted)
  failed,     // the grid, the wavefunction or a step failed; the error line has been printed
  stopped,    // the host asked to stop; no final file
};

// What a host asks of one run.
struct run_request {
  std::string grid_file;
  std::string wavefunction_file;
  // Message level of building and destroying the grid and the wavefunction.
  int message_level = 1;
  // Message level of the wavefunction during the steps.
  int step_level = 1;
  // Only checks the set: no time steps (the grid's count is set to 0, with
  // a line saying so) and no final file.
  bool test_mode = false;
  // Called once the wavefunction is ready, before the first step; false stops
  // the run.
  std::function<bool(wavefunction&)> before_steps;
  // Called after every completed step with its number (1..tdim); false stops
  // the run.
  std::function<bool(int step, wavefunction&)> after_step;
};

// Carries out the run. A run that ends early destroys its objects without
// their farewell lines.
run_end run_sequence(const run_request& request);

// Reads the three parameter files named in the file-name table and builds the
// grid and the wavefunction as a test-mode run (`mirelo -t`) does, with the
// same checks and messages on the core's message/error streams; step-0
// outputs go to the current folder.
// Returns 0 when the set is accepted, 1 when it is rejected.
int check_parameter_set(int message_level);

// Support for ovint's tests: a scratch directory, wavefunction files in the
// simulator's own format, and a whole ovint run with its three outputs.
#pragma once

#include <complex>
#include <filesystem>
#include <string>
#include <vector>

// Makes a fresh directory the current one for the lifetime of the object.
class scratch_directory {
 public:
  scratch_directory();
  ~scratch_directory();

 private:
  std::filesystem::path previous_, path_;
};

void write_file(const std::string& name, const std::string& text);
std::string read_file(const std::string& name);

// A "psi" snapshot (or "psi_stop.dat") file: five comment lines, one
// "re  im" line per point with 19 significant digits, then xmin and xmax.
std::string psi_file_text(const std::vector<std::complex<double>>& psi, double xmin, double xmax,
                          int step = 0);

struct ovint_outcome {
  int code = -1;
  std::string out, err, bell;  // bell: what reached the real standard output
};

// Runs ovint with the given words, the invocation word first.
ovint_outcome run_ovint(const std::vector<std::string>& words);

// The banner, which every run prints first.
std::string banner();

// The reading rules shared by the three parameter files of the core (grid,
// equation, initial wavefunction): name checks, the format version, and
// token extraction that stops silently at the first unreadable token.
#pragma once

#include <fstream>
#include <string>

class parameter_file {
 public:
  // Format version every parameter file must carry as its first token.
  static constexpr double required_version = 1.0;

  // Opens the file and reads its version. `what` names the file in the
  // messages ("sieci", "rownania", "funkcji falowej"). Reports an empty name,
  // a missing file or a wrong version with the alarm and returns 1; returns 0
  // when the remaining tokens can be read.
  int open(const std::string& name, const std::string& what, double& version);

  // Reads the next token into field. After a token that cannot be read the
  // stream stops: this field and all later ones keep their values.
  template <class T>
  parameter_file& operator>>(T& field) {
    T value{};
    if (stream_ >> value) field = value;
    return *this;
  }

  bool good() const { return !stream_.fail(); }

 private:
  std::ifstream stream_;
};

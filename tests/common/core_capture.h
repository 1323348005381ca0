// Test support: captures the core's message and error streams and turns the
// fatal-error ending into an exception the test can expect.
#pragma once

#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <string>

#include "file_names.h"
#include "messages.h"

struct fatal_ended : std::runtime_error {
  fatal_ended() : std::runtime_error("fatal ending") {}
};

[[noreturn]] void throw_fatal_ended();

// Installs captured streams and the throwing ending for one test, and gives
// it a fresh scratch directory as the current directory.
class core_capture {
 public:
  core_capture();
  ~core_capture();
  std::string messages() const { return messages_.str(); }
  std::string errors() const { return errors_.str(); }
  void clear();
  // Writes text to a file in the scratch directory.
  static void write_file(const std::string& name, const std::string& text);
  static std::string read_file(const std::string& name);

 private:
  std::ostringstream messages_, errors_;
  std::filesystem::path previous_dir_, scratch_dir_;
};

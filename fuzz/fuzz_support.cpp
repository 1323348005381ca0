#include "fuzz_support.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "messages.h"

namespace {

[[noreturn]] void throw_fatal_ending() { throw fuzz_fatal_ending{}; }

std::filesystem::path scratch_folder;

// At the end of the process: the files the inputs became go with it.
void remove_scratch_folder() {
  std::error_code error;
  std::filesystem::current_path(scratch_folder.parent_path(), error);
  std::filesystem::remove_all(scratch_folder, error);
}

std::ostringstream& sink() {
  static std::ostringstream stream;
  stream.str("");
  return stream;
}

}  // namespace

void prepare_fuzz_process() {
  static bool prepared = false;
  if (!prepared) {
    scratch_folder = std::filesystem::temp_directory_path() / ("q1d-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(scratch_folder);
    std::filesystem::current_path(scratch_folder);
    std::atexit(&remove_scratch_folder);
    prepared = true;
  }
  std::ostringstream& stream = sink();
  set_message_streams(stream, stream);
  set_fatal_ending(&throw_fatal_ending);
}

void write_input(const std::string& name, const std::uint8_t* data, std::size_t size) {
  std::ofstream(name, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void write_fixed_parameters() {
  std::ofstream("fixed-grid.par") << "1\n16 -4 4\n2 0 0.01\n";
  std::ofstream("fixed-eq.par") << "1\n1 -1 1\n0 0 0 0 0\n0 0 0\n0 0 0\n0\n0 0 0\n0 1 1\n0\n0 0\n";
  std::ofstream("fixed-psi.par") << "1\n1 brak\n0 1 0 1\n0 0 0 0\n0\n0 brak\n";
}

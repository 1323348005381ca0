#include "core_capture.h"

#include <atomic>
#include <fstream>
#include <iostream>
#include <unistd.h>

void throw_fatal_ended() { throw fatal_ended(); }

core_capture::core_capture() {
  static std::atomic<int> counter{0};
  previous_dir_ = std::filesystem::current_path();
  scratch_dir_ = std::filesystem::temp_directory_path() /
                 ("q1d-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(scratch_dir_);
  std::filesystem::current_path(scratch_dir_);
  set_message_streams(messages_, errors_);
  set_fatal_ending(&throw_fatal_ended);
  reset_file_names();
}

core_capture::~core_capture() {
  set_message_streams(std::cout, std::cerr);
  set_fatal_ending(nullptr);
  reset_file_names();
  std::filesystem::current_path(previous_dir_);
  std::error_code ignored;
  std::filesystem::remove_all(scratch_dir_, ignored);
}

void core_capture::clear() {
  messages_.str("");
  errors_.str("");
}

void core_capture::write_file(const std::string& name, const std::string& text) {
  std::ofstream(name, std::ios::binary) << text;
}

std::string core_capture::read_file(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

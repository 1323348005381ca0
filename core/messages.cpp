#include "messages.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <system_error>
#include <utility>

namespace {

std::ostream* messages_target = &std::cout;
std::ostream* errors_target = &std::cerr;
thread_local std::ostream* thread_messages = nullptr;
thread_local std::ostream* thread_errors = nullptr;

[[noreturn]] void exit_with_failure() { std::exit(1); }
fatal_ending_handler fatal_ending = &exit_with_failure;

int complex_style_index() {
  static const int index = std::ios_base::xalloc();
  return index;
}

}  // namespace

void set_message_streams(std::ostream& messages, std::ostream& errors) {
  messages_target = &messages;
  errors_target = &errors;
}

std::ostream& message_stream() { return thread_messages ? *thread_messages : *messages_target; }
std::ostream& error_stream() { return thread_errors ? *thread_errors : *errors_target; }

thread_message_streams::thread_message_streams(std::ostream& messages, std::ostream& errors)
    : previous_messages_(std::exchange(thread_messages, &messages)),
      previous_errors_(std::exchange(thread_errors, &errors)) {}

thread_message_streams::~thread_message_streams() {
  thread_messages = previous_messages_;
  thread_errors = previous_errors_;
}

void set_fatal_ending(fatal_ending_handler handler) {
  fatal_ending = handler ? handler : &exit_with_failure;
}

void sound_alarm() {
  std::printf("\a");
  std::fflush(stdout);
}

void error_line(std::string_view text, bool alarm) {
  error_stream() << "\n\t*** " << text;
  error_stream().flush();
  if (alarm) sound_alarm();
}

void error_line_with_file(std::string_view text, std::string_view name) {
  error_stream() << "\n\t*** " << text << " (" << name << ")\n\n";
  error_stream().flush();
  sound_alarm();
}

void fatal_line(std::string_view text) {
  error_line(text);
  fatal_ending();
  // A host ending that returns would let a failed computation continue.
  std::exit(1);
}

void fatal_error(std::string_view message) {
  fatal_line(std::string(message) + "\n");
}

bool file_exists(const std::string& name) {
  std::ifstream file(name);
  return file.is_open();
}

bool regular_file(const std::string& name) {
  std::error_code error;
  return std::filesystem::is_regular_file(name, error);
}

int int_power(int base, int exponent) {
  const double power = std::trunc(std::pow(static_cast<double>(base), exponent));
  // Out-of-range results saturate instead of converting with undefined behaviour.
  if (!(power < 2147483648.0)) return power > 0 ? 2147483647 : 0;
  if (!(power >= -2147483648.0)) return -2147483647 - 1;
  return static_cast<int>(power);
}

long double real_power(double base, double exponent) { return std::pow(base, exponent); }

void set_complex_style(std::ostream& stream, complex_style style) {
  stream.iword(complex_style_index()) = static_cast<long>(style);
}

std::ostream& operator<<(std::ostream& stream, complex_text z) {
  const bool compact = stream.iword(complex_style_index()) == static_cast<long>(complex_style::compact);
  return stream << '(' << z.value.real() << (compact ? "," : ", ") << z.value.imag() << ')';
}

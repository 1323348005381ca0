// Messages of the simulation core: the host-supplied streams, the message
// level gates, error lines with the audible alarm, and the fatal-error ending.
#pragma once

#include <complex>
#include <ostream>
#include <string>
#include <string_view>

// Message level gates. Every core object keeps the level it was built with;
// lower is more talkative.
inline bool shows_startup(int level) { return level < 2; }  // "Inicjacja ..." lines
inline bool shows_summary(int level) { return level < 1; }  // summaries, progress
inline bool shows_dump(int level) { return level < 0; }     // per-element dumps

// The two streams the host supplies: ordinary messages, and lines that begin
// with "\n\t*** ". Until the host sets them they are std::cout and std::cerr.
void set_message_streams(std::ostream& messages, std::ostream& errors);
std::ostream& message_stream();
std::ostream& error_stream();

// While it lives, the calling thread alone writes through these two streams
// instead; the destructor gives the thread back its previous ones. A host
// whose threads share one sink gives each thread a stream object of its own,
// so that no stream's formatting state is shared between threads.
class thread_message_streams {
 public:
  thread_message_streams(std::ostream& messages, std::ostream& errors);
  ~thread_message_streams();
  thread_message_streams(const thread_message_streams&) = delete;
  thread_message_streams& operator=(const thread_message_streams&) = delete;

 private:
  std::ostream* previous_messages_;
  std::ostream* previous_errors_;
};

// The host's way of ending the program after a fatal error. It must not
// return: mirelo exits with code 1, tarn shows its box and quits (the
// computation that failed is unwound by the handler).
using fatal_ending_handler = void (*)();
void set_fatal_ending(fatal_ending_handler handler);

// Writes the BEL character to standard output through the C formatted output.
void sound_alarm();

// Error or warning line: "\n\t*** " + text on the error stream, then the
// alarm unless it is one of the solver's silent lines.
void error_line(std::string_view text, bool alarm = true);
// Line naming a file: "\n\t*** " + text + " (" + name + ")\n\n", then the alarm.
void error_line_with_file(std::string_view text, std::string_view name);
// Prints "\n\t*** " + text, sounds the alarm and ends through the host's ending.
[[noreturn]] void fatal_line(std::string_view text);
// "\n\t*** " + message + "\n", the alarm and the host's ending.
[[noreturn]] void fatal_error(std::string_view message);

// True when the file can be opened for reading as text.
bool file_exists(const std::string& name);
// True when name is a regular file (or a link to one). Devices and pipes are
// not read: one that never ends would hold the run for ever.
bool regular_file(const std::string& name);

// base^exponent as a real power truncated toward zero.
int int_power(int base, int exponent);
// base^exponent through the C library power, in extended precision.
long double real_power(double base, double exponent);

// Complex numbers in message text. The style belongs to the stream, so that
// each host decides it once: "(re, im)" with a blank (the default, mirelo)
// or "(re,im)" compact (tarn).
enum class complex_style : long { spaced = 0, compact = 1 };
void set_complex_style(std::ostream& stream, complex_style style);

struct complex_text {
  std::complex<double> value;
};
inline complex_text as_text(std::complex<double> value) { return {value}; }
std::ostream& operator<<(std::ostream& stream, complex_text z);

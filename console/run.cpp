#include "run.h"

#include <ctime>
#include <ostream>
#include <string>

#include "elapsed_time.h"
#include "file_names.h"
#include "messages.h"
#include "run_sequence.h"

namespace {

// The C library's 24-character calendar text with its line break.
std::string calendar_text(std::time_t time) {
  const char* text = std::ctime(&time);
  return text ? text : "\n";
}

}  // namespace

int run_simulation(int message_level, int test_mode) {
  std::ostream& out = message_stream();
  const std::time_t start = std::time(nullptr);
  const std::string start_text = calendar_text(start);
  if (shows_summary(message_level)) out << "Uruchomienie programu: " << start_text;

  run_request request;
  request.grid_file = file_name(grid_file_name);
  request.wavefunction_file = file_name(wavefunction_file_name);
  request.message_level = message_level;
  request.step_level = message_level;
  request.test_mode = test_mode != 0;
  if (run_sequence(request) != run_end::completed) return 1;

  const std::time_t end = std::time(nullptr);
  if (shows_summary(message_level)) {
    out << "\nRozpoczecie obliczen: " << start_text << "Zakonczenie obliczen: " << calendar_text(end);
  }
  if (shows_startup(message_level)) {
    if (test_mode) out << "\nTest parametrow wejsciowych zakonczony\n";
    report_elapsed_time(static_cast<int>(end - start));
    out << "\nOK " << "\n\n";
  }
  out.flush();
  return 0;
}

#include "run.h"

#include <ctime>
#include <ostream>
#include <string>

#include "elapsed_time.h"
#include "file_names.h"
#include "interruption.h"
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
  // SIGINT and SIGTERM stop the run between steps: the files stay whole.
  const interruption_watch watch;
  int last_step = 0;
  request.before_steps = [](wavefunction&) { return interruption_signal() == 0; };
  request.after_step = [&last_step](int step, wavefunction&) {
    last_step = step;
    return interruption_signal() == 0;
  };
  const run_end outcome = run_sequence(request);
  if (outcome == run_end::stopped) {
    error_line("Blad: obliczenia przerwane sygnalem po kroku " + std::to_string(last_step) + "\n\n");
    return 128 + interruption_signal();
  }
  if (outcome != run_end::completed) return 1;

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

#include "run.h"

#include <ctime>
#include <memory>
#include <ostream>
#include <string>

#include "elapsed_time.h"
#include "file_names.h"
#include "grid_parameters.h"
#include "messages.h"
#include "wavefunction.h"

namespace {

// The C library's 24-character calendar text with its line break.
std::string calendar_text(std::time_t time) {
  const char* text = std::ctime(&time);
  return text ? text : "\n";
}

// A failed run ends the program at once: the wavefunction still alive goes
// without its farewell line, as if the process had ended.
int fail_run(const std::string& text, wavefunction* wave = nullptr) {
  error_line(text);
  if (wave) wave->set_message_level(2);
  return 1;
}

}  // namespace

int run_simulation(int message_level, int test_mode) {
  std::ostream& out = message_stream();
  const std::time_t start = std::time(nullptr);
  const std::string start_text = calendar_text(start);
  if (shows_summary(message_level)) out << "Uruchomienie programu: " << start_text;

  auto grid = std::make_unique<grid_parameters>(file_name(grid_file_name), message_level);
  if (grid->status != 0) return fail_run("Blad: siec nie mogla byc prawidlowo zainicjowana\n\n");

  auto wave = std::make_unique<wavefunction>(*grid, file_name(wavefunction_file_name), message_level);
  if (wave->status != 0) return fail_run("Blad: Funkcja falowa nie mogla byc prawidlowo zainicjowana\n\n", wave.get());

  if (test_mode) {
    grid->tdim = 0;
    out << "Test parametrow wejsciowych: ustalam wielkosc sieci czasowej na 0\n";
  }
  for (int k = 1; k <= grid->tdim; ++k) {
    wave->step_forward();
    if (wave->status != 0) {
      return fail_run("Blad: obliczenia propagacji funkcji falowej spowodowaly blad\n\n", wave.get());
    }
  }
  if (!test_mode) wave->save_wavefunction(file_name(final_file_name));
  wave.reset();
  grid.reset();

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

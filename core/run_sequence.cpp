#include "run_sequence.h"

#include <memory>
#include <ostream>

#include "file_names.h"
#include "grid_parameters.h"
#include "messages.h"
#include "wavefunction.h"

namespace {

// The level at which the wavefunction goes without its farewell line.
constexpr int silent_level = 2;

run_end end_early(const char* text, wavefunction* wave = nullptr) {
  error_line(text);
  if (wave) wave->set_message_level(silent_level);
  return run_end::failed;
}

run_end stop(wavefunction& wave) {
  wave.set_message_level(silent_level);
  return run_end::stopped;
}

}  // namespace

run_end run_sequence(const run_request& request) {
  auto grid = std::make_unique<grid_parameters>(request.grid_file, request.message_level);
  if (grid->status != 0) return end_early("Blad: siec nie mogla byc prawidlowo zainicjowana\n\n");

  auto wave = std::make_unique<wavefunction>(*grid, request.wavefunction_file, request.message_level);
  if (wave->status != 0) return end_early("Blad: Funkcja falowa nie mogla byc prawidlowo zainicjowana\n\n", wave.get());
  wave->set_message_level(request.step_level);

  if (request.test_mode) {
    grid->tdim = 0;
    message_stream() << "Test parametrow wejsciowych: ustalam wielkosc sieci czasowej na 0\n";
  }
  if (request.before_steps && !request.before_steps(*wave)) return stop(*wave);

  for (int step = 1; step <= grid->tdim; ++step) {
    wave->step_forward();
    if (wave->status != 0)
      return end_early("Blad: obliczenia propagacji funkcji falowej spowodowaly blad\n\n", wave.get());
    if (request.after_step && !request.after_step(step, *wave)) return stop(*wave);
  }

  if (!request.test_mode) wave->save_wavefunction(file_name(final_file_name));
  wave->set_message_level(request.message_level);
  wave.reset();
  grid.reset();
  return run_end::completed;
}

int check_parameter_set(int message_level) {
  run_request request;
  request.grid_file = file_name(grid_file_name);
  request.wavefunction_file = file_name(wavefunction_file_name);
  request.message_level = message_level;
  request.step_level = message_level;
  request.test_mode = true;
  return run_sequence(request) == run_end::completed ? 0 : 1;
}

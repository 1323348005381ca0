#include "parameter_set_check.h"

#include "file_names.h"
#include "grid_parameters.h"
#include "messages.h"
#include "wavefunction.h"

int check_parameter_set(int message_level) {
  grid_parameters grid(file_name(grid_file_name), message_level);
  if (grid.status != 0) {
    error_line("Blad: siec nie mogla byc prawidlowo zainicjowana\n\n");
    return 1;
  }
  wavefunction wave(grid, file_name(wavefunction_file_name), message_level);
  if (wave.status != 0) {
    error_line("Blad: Funkcja falowa nie mogla byc prawidlowo zainicjowana\n\n");
    wave.set_message_level(2);
    return 1;
  }
  return 0;
}

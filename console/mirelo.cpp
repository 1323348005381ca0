#include "mirelo.h"

#include <fstream>
#include <iostream>

#include "file_names.h"
#include "grid_parameters.h"
#include "help_page.h"
#include "messages.h"
#include "options.h"
#include "run.h"

namespace {

// Reads the grid, wavefunction and equation file names, in that order, into
// the file-name table. A name missing at the end becomes empty.
int read_names_file(const std::string& name, int message_level) {
  if (shows_startup(message_level)) std::cout << "Pobieram nazwy plikow z parametrami z " << name << ":\n";
  if (!file_exists(name)) {
    error_line_with_file("Brak pliku z nazwami plikow z parametrami!", name);
    return 1;
  }
  if (!regular_file(name)) {
    error_line_with_file("Plik z nazwami plikow z parametrami nie jest zwyklym plikiem!", name);
    return 1;
  }
  std::ifstream file(name);
  const file_name_index order[] = {grid_file_name, wavefunction_file_name, equation_file_name};
  for (file_name_index index : order) {
    std::string entry;
    file >> entry;
    set_file_name(index, entry);
  }
  return 0;
}

}  // namespace

int mirelo_main(int argc, char** argv) {
  set_message_streams(std::cout, std::cerr);
  print_banner(std::cout);

  const mirelo_options options = scan_options(argc, argv);
  if (options.version_only) return 0;
  if (options.help_flag) {
    print_help_page(std::cout);
    return 0;
  }

  int message_level = 1;
  if (options.requested_level >= -1) {
    message_level = options.requested_level;
    if (shows_startup(message_level))
      std::cout << "Poziom ilosci informacji wyswietlanej na ekranie ustalony na " << message_level << "\n";
  }
  int test_mode = 0;
  if (options.test_flag) {
    test_mode = 1;
    message_level = 0;
    std::cout << "Wlaczony tryb testowania parametrow wejsciowych i poczatkowej funkcji falowej\n";
  }
  if (!options.names_file.empty() && read_names_file(options.names_file, message_level) != 0) return 1;

  return run_simulation(message_level, test_mode);
}

#include "parameter_file.h"

#include "messages.h"

int parameter_file::open(const std::string& name, const std::string& what, double& version) {
  if (name.empty()) {
    error_line_with_file("Brak nazwy pliku parametrow " + what + "!", name);
    return 1;
  }
  if (!file_exists(name)) {
    error_line_with_file("Brak pliku parametrow " + what + "!", name);
    return 1;
  }
  if (!regular_file(name)) {
    error_line_with_file("Plik parametrow " + what + " nie jest zwyklym plikiem!", name);
    return 1;
  }
  stream_.open(name);
  *this >> version;
  if (version != required_version) {
    error_line_with_file("Nieodpowiednia wersja pliku z parametrami!", name);
    stream_.close();
    return 1;
  }
  return 0;
}

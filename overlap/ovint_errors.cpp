#include "ovint_errors.h"

#include <cstdio>
#include <string>

void ring_bell() {
  std::printf("\a");
  std::fflush(stdout);
}

void report_error(std::ostream& err, std::string_view text) {
  err << "\n\t*** " << text << "\n\n\n";
  err.flush();
  ring_bell();
}

void report_file_error(std::ostream& err, std::string_view text, std::string_view name) {
  report_error(err, std::string(text) + " (" + std::string(name) + ")");
}

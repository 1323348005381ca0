#include <exception>
#include <iostream>
#include <string>

#include "ovint_errors.h"
#include "ovint_main.h"

int main(int argc, char** argv) {
  // The last guard: whatever escapes the run ends it with a message and
  // status 1, never with an abort.
  try {
    return ovint_main(argc, argv, std::cout, std::cerr);
  } catch (const std::exception& error) {
    report_error(std::cerr, std::string("Blad: nieoczekiwany blad programu: ") + error.what());
    return 1;
  }
}

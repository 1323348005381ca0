#include <exception>
#include <string>

#include "messages.h"
#include "mirelo.h"

int main(int argc, char** argv) {
  // The last guard: whatever escapes the run ends it with a message and
  // status 1, never with an abort.
  try {
    return mirelo_main(argc, argv);
  } catch (const std::exception& error) {
    error_line(std::string("Blad: nieoczekiwany blad programu: ") + error.what() + "\n\n");
    return 1;
  }
}

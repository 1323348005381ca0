#include "sweep.h"

#include <iostream>
#include <string>
#include <vector>

#include "gather_command.h"
#include "make_command.h"
#include "messages.h"
#include "run_command.h"
#include "slurm_command.h"

namespace {

const char* usage_text =
    "Program sluzy do przegladania parametrow: wiele przebiegow mirelo naraz\n"
    "\nSkladnia:\n"
    "  sweep make BAZA WYNIKI KLUCZ=WARTOSCI... [--zip] [--force]\n"
    "  sweep run WYNIKI [-j N]\n"
    "  sweep slurm WYNIKI [--partition P] [--time T] [--max-parallel M] [--runs-per-task K] [--submit]\n"
    "  sweep gather WYNIKI [--y norm|absorbed|overlap|x|max_abs_x]\n"
    "\nKLUCZ to nazwa liczby z plikow parametrow, jak na stronie pomocy mirelo (Eo, w, xdim, ...);\n"
    "nazwe wystepujaca w dwoch plikach poprzedza plik: eq:a, psi:a (grid:, eq:, psi:).\n"
    "WARTOSCI: lista 0.05,0.1,0.2, zakres liniowy poczatek:koniec:ilosc\n"
    "albo logarytmiczny log:poczatek:koniec:ilosc. Kilka kluczy daje wszystkie\n"
    "kombinacje, --zip laczy je parami.\n";

}  // namespace

int sweep_main(int argc, char** argv) {
  set_message_streams(std::cout, std::cerr);
  const std::vector<std::string> arguments(argv + (argc > 1 ? 2 : argc), argv + argc);
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "make") return make_command(arguments);
  if (command == "run") return run_command(arguments);
  if (command == "slurm") return slurm_command(arguments);
  if (command == "gather") return gather_command(arguments);
  if (command == "-h" || command == "--help" || command == "help") {
    std::cout << usage_text;
    return 0;
  }
  std::cerr << usage_text;
  if (!command.empty()) error_line("Blad: nieznane polecenie " + command + "\n\n");
  return 1;
}

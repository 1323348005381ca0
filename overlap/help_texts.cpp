#include "help_texts.h"

namespace {

void write_usage(std::ostream& out, std::string_view program_name) {
  out << "Skladnia: " << program_name << " [-h|-f|-l|-p] plik_we1 [plik_we2 [plik_wy]]\n";
}

}  // namespace

void write_banner(std::ostream& out) {
  out << "\novint - calka nakrywania, normy i moment dipolowy funkcji falowych, wersja 1.0\n\n";
}

void write_short_help(std::ostream& out, std::string_view program_name) {
  write_usage(out, program_name);
  out << "Pomoc: " << program_name << " -h\n";
}

void write_full_help(std::ostream& out, std::string_view program_name) {
  out << "Program sluzy do obliczania calki nakrywania, normy, momentu dipolowego\n"
         "funkcji zapisanych w formacie tekstowym Lumo/mirelo.\n"
         "Dopuszczalna jest dowolna liczba linii komentarza (znak # w pierwszej\n"
         "kolumnie linii) jedynie na poczatku pliku.\n\n";
  write_usage(out, program_name);
  out << "\n"
         "Parametry:\n"
         "   -h   pomoc\n"
         "   -f   bada tylko strukture pierwszego pliku (przyjmuje strukture\n"
         "\tpierwszego za wzorzec w czytaniu kolejnych plikow)\n"
         "   -l   petla: do nazwy plik_we2 dodawane sa rozszerzenia od x00 do x10\n"
         "Przyklady:\n"
      << "   " << program_name << " ad.x00 ad.x10\n"
      << "   " << program_name << " -l ad.x00 ad\n"
      << "\nUwaga! Jezeli obliczenia prowadzone sa w cechowaniu pA, wynik nie jest obsadzeniem ze "
         "wzgledu na koniecznosc transformacji funkcji w czasie\n";
}

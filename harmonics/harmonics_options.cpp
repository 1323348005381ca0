#include "harmonics_options.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

#include "messages.h"

namespace {

bool parse_window(std::string_view text, spectrum_window& window) {
  if (text == "hann") window = spectrum_window::hann;
  else if (text == "blackman") window = spectrum_window::blackman;
  else if (text == "none") window = spectrum_window::none;
  else return false;
  return true;
}

bool parse_form(std::string_view text, spectrum_form& form) {
  if (text == "acceleration") form = spectrum_form::acceleration;
  else if (text == "dipole") form = spectrum_form::dipole;
  else if (text == "velocity") form = spectrum_form::velocity;
  else return false;
  return true;
}

bool parse_ip(std::string_view text, double& ip) {
  const auto result = std::from_chars(text.data(), text.data() + text.size(), ip);
  return result.ec == std::errc() && result.ptr == text.data() + text.size() && std::isfinite(ip) && ip >= 0;
}

int bad_argument(std::string_view argument) {
  error_line("Blad: nieprawidlowy argument: " + std::string(argument) + " (mirelo-spectrum -h)\n\n");
  return 1;
}

}  // namespace

int parse_spectrum_options(int argc, const char* const* argv, spectrum_options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "-h" || argument == "--help") {
      options.help = true;
      continue;
    }
    // The option's name, and its value after '=' or in the next argument.
    const std::size_t equals = argument.find('=');
    const std::string_view name = argument.substr(0, equals);
    if (name != "--window" && name != "--form" && name != "--ip") return bad_argument(argument);
    std::string_view value;
    if (equals != std::string_view::npos) value = argument.substr(equals + 1);
    else if (i + 1 < argc) value = argv[++i];
    else return bad_argument(argument);

    bool good = false;
    if (name == "--window") good = parse_window(value, options.window);
    else if (name == "--form") good = parse_form(value, options.form);
    else good = options.ip_given = parse_ip(value, options.ip);
    if (!good) return bad_argument(std::string(name) + " " + std::string(value));
  }
  return 0;
}

const char* window_name(spectrum_window window) {
  switch (window) {
    case spectrum_window::hann: return "hann";
    case spectrum_window::blackman: return "blackman";
    default: return "none";
  }
}

const char* form_name(spectrum_form form) {
  switch (form) {
    case spectrum_form::acceleration: return "acceleration";
    case spectrum_form::dipole: return "dipole";
    default: return "velocity";
  }
}

void print_spectrum_help(std::ostream& out) {
  out << "mirelo-spectrum: widmo harmonicznych z pliku przyspieszenia dipolowego\n\n"
         "Uzycie: mirelo-spectrum [-h] [--window hann|blackman|none]\n"
         "                        [--form acceleration|dipole|velocity] [--ip Ip]\n\n"
         "Czyta 1d-dipole.dat (zapisywany przy d_save rownym 1 w 1d-eq.par) oraz\n"
         "1d-grid.par, 1d-eq.par i 1d-psi.par z biezacego katalogu. Zapisuje\n"
         "spectrum.dat (rzad w/w_lasera, omega, moc) i spectrum.png.\n\n"
         "\t--window  okno czasowe sygnalu (domyslnie hann)\n"
         "\t--form    a(t) (acceleration, domyslnie), <x>(t) (dipole)\n"
         "\t          lub d<x>/dt (velocity)\n"
         "\t--ip      energia jonizacji; bez niej brana jest energia stanu\n"
         "\t          poczatkowego (stan studni lub metoda strzalow)\n"
         "\t-h        ten opis\n\n"
         "Rzad odciecia: (Ip + 3.17 Up)/w, Up = Eo^2/(4 w^2).\n";
}

#include "harmonics_main.h"

#include <new>
#include <ostream>

#include "dipole_series.h"
#include "file_names.h"
#include "harmonic_power.h"
#include "laser_parameters.h"
#include "messages.h"
#include "power_files.h"
#include "harmonics_options.h"

namespace {

dipole_column column_of(spectrum_form form) {
  return form == spectrum_form::acceleration ? acceleration_column : position_column;
}

void print_summary(const dipole_series& series, const laser_parameters& laser) {
  std::ostream& out = message_stream();
  out << "Wezly czasowe: " << series.values.size() << ", dt=" << series.dt << ", w=" << laser.w
      << ", Up=" << laser.up << "\n";
  if (laser.ip_known) {
    out << "Ip=" << laser.ip << ", rzad odciecia (Ip + 3.17 Up)/w=" << laser.cutoff_order() << "\n";
  } else {
    error_line("Uwaga! Energia jonizacji nieznana (stan poczatkowy nie jest stanem studni ani stanem metody "
               "strzalow): rzad odciecia nie zostanie zaznaczony, podaj --ip\n\n");
  }
}

int compute_and_write(const spectrum_options& options) {
  dipole_series series;
  if (read_dipole_series(file_name(dipole_file_name), column_of(options.form), series) != 0) return 1;
  laser_parameters laser;
  if (read_laser_parameters(options, laser) != 0) return 1;
  print_summary(series, laser);

  const harmonic_spectrum spectrum = power_spectrum(std::move(series), options.form, options.window, laser.w);
  if (write_spectrum_table(spectrum_table_name, spectrum, laser, options) != 0) return 1;
  message_stream() << "Widmo zapisane do pliku: " << spectrum_table_name << "\n";
  if (draw_spectrum(spectrum_picture_name, spectrum, laser, options) != 0) return 1;
  message_stream() << "Wykres widma zapisany do pliku: " << spectrum_picture_name << "\n";
  return 0;
}

}  // namespace

int spectrum_main(int argc, const char* const* argv) {
  spectrum_options options;
  if (parse_spectrum_options(argc, argv, options) != 0) return 1;
  if (options.help) {
    print_spectrum_help(message_stream());
    return 0;
  }
  try {
    return compute_and_write(options);
  } catch (const std::bad_alloc&) {
    error_line("Blad: brak pamieci na widmo\n\n");
    return 1;
  }
}

#include "grid_parameters.h"

#include <cmath>
#include <limits>

#include "file_names.h"
#include "messages.h"
#include "parameter_file.h"

namespace {

// Counts above this cannot index 32-bit arrays.
constexpr double count_limit = 4294967296.0 * 0.5 - 1;  // 2147483647

// Truncation toward zero that never leaves the range of int: values beyond
// it (and NaN) saturate, so that the validation below can reject them.
int truncate_count(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<int>::max();
  if (value <= -2147483648.0) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

}  // namespace

grid_parameters::grid_parameters(const std::string& file_name, int level)
    : message_level(level), name(fit_file_name(file_name)) {
  if (shows_startup(message_level)) message_stream() << "Inicjacja siatki przestrzennej i czasowej ...\n";
  status = read_file();
  if (status == 0 && shows_summary(message_level)) print_summary();
}

int grid_parameters::read_file() {
  parameter_file file;
  if (file.open(name, "sieci", version) != 0) {
    if (name.empty() || !file_exists(name)) x_count = -1;
    return 1;
  }
  file >> xdim_read >> xmin >> xmax >> tdim_read >> tmin >> dt;
  x_count = truncate_count(xdim_read);
  tdim = truncate_count(tdim_read);

  // A single point (no step between points) and non-finite ends are refused
  // along with the other invalid grids.
  const bool finite = std::isfinite(xmin) && std::isfinite(xmax) && std::isfinite(tmin) &&
                      std::isfinite(dt) && !std::isnan(xdim_read) && !std::isnan(tdim_read);
  if (x_count <= 1 || tdim < 0 || !(xmin < xmax) || !(dt > 0) || !finite) {
    error_line_with_file("Nieprawidlowe parametry sieci!", name);
    x_count = -1;
    return 1;
  }
  if (xdim_read >= count_limit) {
    error_line("Blad: wymiar sieci przestrzennej przekracza zakres typu calkowitego\n\n");
    return 1;
  }
  if (tdim_read >= count_limit) {
    error_line("Blad: wymiar sieci czasowej przekracza zakres typu calkowitego\n\n");
    return 1;
  }
  dx = std::fabs(xmax - xmin) / (x_count - 1);
  tmax = tdim * dt + tmin;
  // Ends and step that are each finite can still overflow once combined:
  // the span of the interval, the last time, or the Crank-Nicolson factor
  // 2 dx / dt for a subnormal dt. Every number of such a run would be NaN.
  if (!std::isfinite(dx) || dx == 0 || !std::isfinite(tmax) || !std::isfinite(2 * dx / dt)) {
    error_line_with_file("Nieprawidlowe parametry sieci!", name);
    x_count = -1;
    return 1;
  }
  x_count += 1;
  return 0;
}

void grid_parameters::print_summary() const {
  std::ostream& out = message_stream();
  out << "Parametry siatki pobrano z pliku " << name << ", wersja " << version << "\n";
  out << "x:  ilosc wezlow=" << xdim() << ", xmin=" << xmin << ", xmax=" << xmax << ", dx=" << dx << "\n";
  out << "t:  ilosc wezlow=" << tdim << ", tmin=" << tmin << ", tmax=" << tmax << ", dt=" << dt << "\n";
  out << "Uwaga! Rzeczywisty rozmiar sieci x to " << x_count << ", pomijana sa zerowe elementy macierzy\n";
  if (shows_dump(message_level)) {
    out << "x: (";
    for (int i = 1; i <= xdim(); ++i) out << (i > 1 ? ", " : "") << static_cast<double>(x(i));
    out << ")\n";
  }
}

void grid_parameters::write_summary_line(std::ostream& stream) const {
  stream << "Parametry sieci  x: " << xdim() << " (" << xmin << "," << xmax << "),  t: " << tdim << " ("
         << tmin << "," << tmax << ")\n";
}

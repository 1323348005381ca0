// What a wavefunction writes at each time node: the step line and the result
// files of a run (plot, wavefunction, FFT and time-quantities files). The
// quantities themselves are computed in quantities.cpp.
#include <fstream>
#include <memory>
#include <new>
#include <sstream>
#include <string_view>

#include "equation_base.h"
#include "equation_sampler.h"
#include "fft.h"
#include "file_names.h"
#include "grid_parameters.h"
#include "initial_states.h"
#include "messages.h"
#include "number_text.h"
#include "text_file.h"
#include "wavefunction.h"

namespace {

constexpr int full_digits = 19;

// Header lines 1 and 3 of the snapshot files: title with time and step, the
// second line as given, "#" and the grid summary line, then the column line.
std::string snapshot_header(const grid_parameters& grid, const char* title, int step, const char* second,
                            const char* columns) {
  std::ostringstream header;
  header << title << static_cast<double>(grid.t(step)) << " (" << step << ")\n" << second << "#";
  grid.write_summary_line(header);
  header << columns;
  return header.str();
}

}  // namespace

void wavefunction::print_step_line() const {
  message_stream() << step << ". t=" << static_cast<double>(grid.t(step)) << "  norma=" << norm
                   << "  <x>=" << mean_position << "  |<0|t>|^2=" << overlap << "\n";
}

void wavefunction::get_quantities(double& time, double& norm_out, double& overlap_out, double& position_out) const {
  time = static_cast<double>(grid.t(step));
  norm_out = norm;
  overlap_out = overlap;
  position_out = mean_position;
}

void wavefunction::write_plot_file(const std::string& name) {
  text_file file(name);
  file << snapshot_header(grid, "#Funkcja falowa w t=", step, "#Kwadrat modulu |Psi(x)|^2\n",
                          "#\n#x norm(Psi(x))\n");
  for (int i = 1; i < N; ++i) file.row(sampler_->x(i), std::norm(psi[i]) * grid.dx);
  if (!finish(file, name)) return;
  last_plot_file = name;
}

void wavefunction::write_wavefunction_file(const std::string& name) const {
  text_file file(name);
  file << snapshot_header(grid, "#Funkcja falowa w t=", step, "#Funkcja falowa (czesc rzeczywista i urojona)\n",
                          "#\n#Re(Psi(x)) Im(Psi(x)\n");
  for (int i = 1; i < N; ++i) file.row(psi[i].real(), psi[i].imag(), full_digits);
  file.number(grid.xmin, full_digits) << "\n";
  file.number(grid.xmax, full_digits) << "\n";
  finish(file, name);
}

void wavefunction::save_wavefunction(const std::string& name) const { write_wavefunction_file(name); }

bool wavefunction::write_fft_file(const std::string& name) const {
  const std::size_t count = static_cast<std::size_t>(N) + 1;
  std::unique_ptr<double[]> re(new (std::nothrow) double[count]);
  std::unique_ptr<double[]> im(new (std::nothrow) double[count]);
  if (!re || !im) fatal_line("Blad: nieudana rezerwacja blokow pamieci dla zapisania FFT\n\n");
  std::ostream& out = message_stream();
  if (shows_dump(message_level)) {
    out << "Adres zarezerwowanych tymczasowo bloków pamieci: " << static_cast<const void*>(re.get()) << ", "
        << static_cast<const void*>(im.get()) << "\n";
  }
  if (shows_summary(message_level)) out << "Zapis FFT: Zajmowana pamiec: " << 16.0 * N / 1024 << " kb\n";
  for (int i = 1; i < N; ++i) {
    re[i - 1] = psi[i].real();
    im[i - 1] = psi[i].imag();
  }
  int m = 0;
  if (!power_of_two_exponent(N - 1, m)) {
    error_line("Ostrzezenie: Liczba punktow sieci nie jest potega 2. Pomijam zapis FFT do pliku\n\n");
    return false;
  }
  fft_1d(fft_x_to_k, m, re.get(), im.get(), message_level);

  text_file file(name);
  file << snapshot_header(grid, "#Funkcja FFT w t=", step, "#Funkcja falowa FFT (czesc rzeczywista i urojona)\n",
                          "#\n#Re(FFT(Psi(x,y))) Im(FFT(Psi(x,y))\n");
  for (int i = 0; i < N - 1; ++i) file.row(re[i], im[i], full_digits);
  file.number(-atomic_units::pi / grid.dx) << "\n";
  file.number(atomic_units::pi / grid.dx) << "\n";
  return finish(file, name);
}

void wavefunction::write_timed_line() const {
  const std::string& name = file_name(timed_file_name);
  if (step != 0 && timed_file_) {
    // One write per step into the file kept open since step 0, each line
    // handed over whole, so that an interrupted run leaves whole lines.
    put_timed_values(*timed_file_);
    if (timed_file_->commit()) return;
    timed_file_.reset();
    if (!write_failed) error_line_with_file("Blad zapisu pliku", name);
    write_failed = true;
    return;
  }
  timed_file_.reset();
  text_file file(name, step == 0 ? text_file::mode::create : text_file::mode::append);
  if (step == 0) {
    file << "#Wielkosci zalezne od czasu\n#\n#t  norma  ";
    if (rzutuj_na_plik != 0) file << "|<plik|t>|^2  ";
    file << "|<0|t>|^2  <x>\n";
  }
  put_timed_values(file);
  if (!finish(file, name) || write_failed) return;
  // Opening, checking and closing the file at every step would cost more
  // than the step itself on small grids: the later lines go through one
  // file kept open for the run.
  timed_file_ = std::make_unique<text_file>(name, text_file::mode::append);
}

void wavefunction::put_timed_values(text_file& file) const {
  file.number(static_cast<double>(grid.t(step))) << "  ";
  file.number(norm) << "  ";
  if (rzutuj_na_plik != 0) file.number(projection) << "  ";
  file.number(overlap) << "  ";
  file.number(mean_position) << "\n";
}

bool wavefunction::finish(text_file& file, const std::string& name) const {
  if (file.close()) return true;
  if (!write_failed) error_line_with_file("Blad zapisu pliku", name);
  write_failed = true;
  return false;
}

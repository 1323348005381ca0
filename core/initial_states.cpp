#include "initial_states.h"

#include <cmath>
#include <fstream>
#include <sstream>

#include "grid_parameters.h"
#include "messages.h"

namespace {

// The number at the start of text, 0 when there is none.
double leading_number(const std::string& text) {
  double value = 0;
  std::istringstream(text) >> value;
  return value;
}

// Reads one line into text, without its line break. Returns false at the end
// of the file or, with too_long set, when the line exceeds the limit.
bool read_bounded_line(std::istream& in, std::string& text, bool& too_long) {
  text.clear();
  std::streambuf* buffer = in.rdbuf();
  for (;;) {
    const int c = buffer->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      in.setstate(std::ios::eofbit);
      return !text.empty();
    }
    if (c == '\n') return true;
    if (text.size() >= max_line_length) {
      too_long = true;
      return false;
    }
    text.push_back(static_cast<char>(c));
  }
}

// A value whose squared modulus is a finite number: norms and overlaps of
// anything larger are infinite or NaN.
bool square_in_range(std::complex<double> value) { return std::isfinite(std::norm(value)); }

}  // namespace

wave_values read_wavefunction_values(std::istream& in, const grid_parameters& grid, std::complex<double>* psi,
                                     int level, std::string_view comment_label) {
  const int last = grid.xdim();
  for (int i = 1; i <= last; ++i) psi[i] = 0;

  std::string line;
  bool too_long = false;
  while (read_bounded_line(in, line, too_long) && !line.empty() && line[0] == '#') {
    if (shows_dump(level)) message_stream() << comment_label << line << "\n";
  }
  if (too_long) return wave_values::long_line;
  if (last < 1) return wave_values::good;
  const std::size_t space = line.find(' ');
  const double imaginary = space == std::string::npos ? 0 : leading_number(line.substr(space + 1));
  psi[1] = {leading_number(line), imaginary};
  if (!square_in_range(psi[1])) return wave_values::out_of_range;

  for (int i = 2; i <= last; ++i) {
    double re = 0, im = 0;
    if (!(in >> re >> im)) break;
    psi[i] = {re, im};
    if (!square_in_range(psi[i])) return wave_values::out_of_range;
  }
  return wave_values::good;
}

void report_wave_values(wave_values found, const std::string& name) {
  if (found == wave_values::long_line) error_line_with_file("Blad: za dluga linia w pliku funkcji falowej", name);
  if (found == wave_values::out_of_range)
    error_line_with_file("Blad: wartosci funkcji falowej w pliku przekraczaja zakres liczb", name);
}

bool read_initial_file(const grid_parameters& grid, std::complex<double>* psi,
                       const std::string& name, int level) {
  if (name.empty()) fatal_line("Brak nazwy pliku poczatkowej funkcji falowej!\n\n");
  std::ifstream in(name);
  if (!in.is_open()) fatal_line("Brak pliku poczatkowej funkcji falowej! (" + name + ")\n\n");
  if (!regular_file(name)) {
    error_line_with_file("Blad: plik poczatkowej funkcji falowej nie jest zwyklym plikiem", name);
    return false;
  }
  const wave_values found = read_wavefunction_values(in, grid, psi, level, "Naglowek pliku: ");
  if (found != wave_values::good) {
    report_wave_values(found, name);
    return false;
  }

  long double norm = 0, position = 0;
  for (int i = 1; i <= grid.xdim(); ++i) {
    const long double density = std::norm(psi[i]);
    norm += density;
    position += grid.x(i) * density;
  }
  if (!(std::fabs(norm - 1) <= 1e-5)) error_line("Uwaga! Norma funkcji poczatkowej wczytywanej z pliku rozna od 1\n\n");
  if (shows_summary(level)) {
    message_stream() << "Funkcja czytana z pliku (" << name << "): norma=" << static_cast<double>(norm)
                     << ", <x>=" << static_cast<double>(position) << "\n";
  }
  return true;
}

void gaussian_state(const grid_parameters& grid, double x0, double a, double k,
                    std::complex<double>* psi, int level) {
  long double sum = 0;
  for (int i = 1; i <= grid.xdim(); ++i) {
    const long double x = grid.x(i);
    // At the centre the exponent is 0 whatever the width; a zero width
    // would make it 0/0 there and turn the whole state into NaN.
    const long double u = x == x0 ? 0 : (x - x0) / (4 * static_cast<long double>(a));
    const long double modulus = std::exp(-u * u);
    const long double phase = k * x;
    psi[i] = {static_cast<double>(modulus * std::cos(phase)), static_cast<double>(modulus * std::sin(phase))};
    sum += modulus * modulus;
  }
  const long double factor = sum != 0 ? 1 / std::sqrt(sum) : 0;
  if (shows_summary(level)) {
    message_stream() << "Gauss: N*exp(-((x-x0)/4a)^2+ikx): N=" << static_cast<double>(factor) << ", a=" << a
                     << ", x0=" << x0 << ", k=" << k << "\n";
  }
  for (int i = 1; i <= grid.xdim(); ++i) psi[i] = {static_cast<double>(factor * psi[i].real()),
                                                     static_cast<double>(factor * psi[i].imag())};
}

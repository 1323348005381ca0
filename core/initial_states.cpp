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

}  // namespace

void read_wavefunction_values(std::istream& in, const grid_parameters& grid,
                              std::complex<double>* psi, int level, std::string_view comment_label) {
  const int last = grid.xdim();
  for (int i = 1; i <= last; ++i) psi[i] = 0;

  std::string line;
  while (std::getline(in, line) && !line.empty() && line[0] == '#') {
    if (shows_dump(level)) message_stream() << comment_label << line << "\n";
  }
  if (last < 1) return;
  const std::size_t space = line.find(' ');
  const double imaginary = space == std::string::npos ? 0 : leading_number(line.substr(space + 1));
  psi[1] = {leading_number(line), imaginary};

  for (int i = 2; i <= last; ++i) {
    double re = 0, im = 0;
    if (!(in >> re >> im)) break;
    psi[i] = {re, im};
  }
}

void read_initial_file(const grid_parameters& grid, std::complex<double>* psi,
                       const std::string& name, int level) {
  if (name.empty()) fatal_line("Brak nazwy pliku poczatkowej funkcji falowej!\n\n");
  std::ifstream in(name);
  if (!in.is_open()) fatal_line("Brak pliku poczatkowej funkcji falowej! (" + name + ")\n\n");
  read_wavefunction_values(in, grid, psi, level, "Naglowek pliku: ");

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

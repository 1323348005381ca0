#include "dipole_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "equation_base.h"
#include "equation_pA.h"
#include "file_names.h"
#include "grid_parameters.h"
#include "messages.h"
#include "number_text.h"
#include "wavefunction.h"

using namespace atomic_units;

namespace {

constexpr int full_digits = 17;
// The buffer goes to the file in blocks of about this size.
constexpr std::size_t block_size = 1 << 16;

std::string header(const wavefunction& wave) {
  std::ostringstream text;
  text << "#Przyspieszenie dipolowe (" << wave.equation->label << ")\n#";
  wave.grid.write_summary_line(text);
  text << "#\n#t  <x>  <dV/dx>  F(t)  a(t)\n";
  return text.str();
}

}  // namespace

long double dipole_file::field_force(const equation_base& equation, double t) {
  if (const auto* pA = dynamic_cast<const equation_pA*>(&equation)) {
    // -q dA/dt by a central difference: every term of A (static field,
    // envelope, chirp) enters, whatever its form. The step is small against
    // every time scale of the field and large against the rounding of t.
    const double h = 1e-5 * std::max(1.0, std::fabs(t));
    const double before = t - h, after = t + h;
    const long double slope = (pA->vector_potential(0, after) - pA->vector_potential(0, before)) /
                              (static_cast<long double>(after) - before);
    return -charge * slope;
  }
  return -charge * equation.field(0, t);
}

dipole_file::dipole_file(const wavefunction& wave, std::string name)
    : name_(std::move(name)), temporary_name_(name_ + ".tmp"), file_(temporary_name_), gradient_(wave.N, 0.0) {
  const grid_parameters& grid = wave.grid;
  const equation_base& equation = *wave.equation;
  // The neighbours of the end nodes lie one step outside the grid; the
  // potential is defined there too.
  auto V = [&](int i) { return equation.potential(static_cast<double>(grid.x(i)), grid.tmin); };
  for (int i = 1; i < wave.N; ++i) gradient_[i] = static_cast<double>((V(i + 1) - V(i - 1)) / (2 * grid.dx));
  buffer_.reserve(block_size + 256);
  buffer_ = header(wave);
}

bool dipole_file::open(const wavefunction& wave, std::unique_ptr<dipole_file>& record) {
  record.reset();
  if (!wave.equation || wave.equation->d_save == 0) return true;
  std::unique_ptr<dipole_file> opened(new dipole_file(wave, file_name(dipole_file_name)));
  if (!opened->file_.is_open()) {
    error_line_with_file("Blad: nie mozna utworzyc pliku wynikowego!", opened->temporary_name_);
    return false;
  }
  opened->append(wave);
  record = std::move(opened);
  return true;
}

double dipole_file::mean_gradient(const wavefunction& wave) const {
  // Two partial sums in doubles: rounding far below what a spectrum resolves,
  // at a fraction of the cost of an extended-precision chain.
  const std::complex<double>* psi = wave.psi.get();
  const double* g = gradient_.data();
  double even = 0, odd = 0;
  int i = 1;
  for (; i + 1 < wave.N; i += 2) {
    even += g[i] * std::norm(psi[i]);
    odd += g[i + 1] * std::norm(psi[i + 1]);
  }
  if (i < wave.N) even += g[i] * std::norm(psi[i]);
  return even + odd;
}

void dipole_file::append(const wavefunction& wave) {
  const double t = static_cast<double>(wave.grid.t(wave.step));
  const double gradient = mean_gradient(wave);
  const double force = static_cast<double>(field_force(*wave.equation, t));
  const double values[] = {t, wave.mean_position, gradient, force, force - gradient};
  for (int c = 0; c < 5; ++c) {
    if (c > 0) buffer_ += "  ";
    append_number(buffer_, values[c], full_digits);
  }
  buffer_ += '\n';
  if (buffer_.size() >= block_size) {
    file_ << buffer_;
    buffer_.clear();
    if (file_.fail()) note_failure(wave);
  }
}

void dipole_file::note_failure(const wavefunction& wave) {
  if (failed_) return;
  failed_ = true;
  if (!wave.write_failed) error_line_with_file("Blad zapisu pliku", name_);
  wave.write_failed = true;
}

bool dipole_file::finish() {
  if (closed_) return !failed_;
  closed_ = true;
  if (!failed_) file_ << buffer_;
  file_.close();
  if (failed_ || file_.fail()) {
    std::remove(temporary_name_.c_str());
    return false;
  }
  return std::rename(temporary_name_.c_str(), name_.c_str()) == 0;
}

bool dipole_file::close(const wavefunction& wave) {
  if (finish()) return true;
  note_failure(wave);
  return false;
}

dipole_file::~dipole_file() {
  const bool reported = failed_;
  if (!finish() && !reported) error_line_with_file("Blad zapisu pliku", name_);
}

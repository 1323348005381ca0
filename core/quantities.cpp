// The quantities a wavefunction records at each time node: the norm, the
// mean position, the overlap with the initial state and the projection on a
// state read from a file. Plain sums over the interior nodes, no factor dx.
#include <fstream>

#include "equation_sampler.h"
#include "grid_parameters.h"
#include "initial_states.h"
#include "messages.h"
#include "wavefunction.h"

double wavefunction::compute_norm() {
  long double sum = 0;
  for (int i = 1; i < N; ++i) sum += std::norm(psi[i]);
  return record_norm(sum);
}

double wavefunction::record_norm(long double sum) {
  norm = static_cast<double>(sum);
  if (shows_summary(message_level)) message_stream() << "Kwadrat normy funkcji falowej: " << norm << "\n";
  return norm;
}

double wavefunction::compute_mean_position() {
  long double sum = 0;
  for (int i = 1; i < N; ++i) sum += sampler_->x(i) * std::norm(psi[i]);
  return record_mean_position(sum);
}

double wavefunction::record_mean_position(long double sum) {
  mean_position = static_cast<double>(sum);
  if (shows_summary(message_level)) message_stream() << "<Psi|x|Psi>=" << mean_position << "\n";
  return mean_position;
}

std::complex<double> wavefunction::gauge_product(const std::complex<double>* phi) const {
  long double re = 0, im = 0;
  auto add = [&](std::complex<double> term) {
    re += term.real();
    im += term.imag();
  };
  if (sampler_->unit_gauge_phase()) {
    for (int i = 1; i < N; ++i) add(std::conj(phi[i]) * psi[i]);
  } else {
    const std::complex<double>* G = sampler_->gauge_phases(static_cast<double>(grid.t(step)));
    for (int i = 1; i < N; ++i) add(std::conj(phi[i]) * (G[i] * psi[i]));
  }
  return {static_cast<double>(re), static_cast<double>(im)};
}

double wavefunction::compute_overlap() { return record_overlap(gauge_product(initial.get())); }

double wavefunction::record_overlap(std::complex<double> S) {
  overlap = std::norm(S);
  if (shows_summary(message_level)) {
    message_stream() << "<Psi0|Psi(t)>=" << as_text(S) << "\n|<Psi0|Psi(t)>|^2=" << overlap << "\n";
  }
  return overlap;
}

double wavefunction::compute_projection(const std::string& name) {
  projection = 0;
  std::ifstream file(name);
  if (!file.is_open()) {
    error_line_with_file("Ostrzezenie: Brak pliku poczatkowej funkcji falowej!", name);
    return projection;
  }
  // Values that cannot be used end the run through input_refused: a column
  // of NaN or infinity would pass for a result.
  if (!regular_file(name)) {
    if (!input_refused) error_line_with_file("Blad: plik do rzutowania nie jest zwyklym plikiem", name);
    input_refused = true;
    return projection;
  }
  const wave_values found =
      read_wavefunction_values(file, grid, projection_state_.get(), message_level, "Linie komentarza (#): ");
  if (found != wave_values::good) {
    if (!input_refused) report_wave_values(found, name);
    input_refused = true;
    return projection;
  }
  const std::complex<double> S = gauge_product(projection_state_.get());
  projection = std::norm(S);
  if (shows_summary(message_level)) {
    message_stream() << "<plik|Psi(t)>=" << as_text(S) << "\n|<plik|Psi(t)>|^2=" << projection << "\n";
  }
  return projection;
}

void wavefunction::compute_quantities() {
  compute_norm();
  compute_mean_position();
  compute_overlap();
  if (rzutuj_na_plik != 0) compute_projection(rzutuj_nazwa_pliku);
}

// The same order and messages as compute_quantities, from the sums that the
// substitution took.
void wavefunction::record_quantities(const quantity_sums& sums) {
  record_norm(sums.norm);
  record_mean_position(sums.position);
  record_overlap({static_cast<double>(sums.overlap_re), static_cast<double>(sums.overlap_im)});
  if (rzutuj_na_plik != 0) compute_projection(rzutuj_nazwa_pliku);
}

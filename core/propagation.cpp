// The Crank-Nicolson time step of a wavefunction: the tridiagonal system of
// each transition, its solution, the save schedule of the snapshot files and
// the quantities recorded at every time node.
#include <climits>
#include <cstdint>
#include <ostream>

#include "crank_nicolson_rows.h"
#include "dipole_file.h"
#include "equation_base.h"
#include "equation_sampler.h"
#include "file_names.h"
#include "grid_parameters.h"
#include "messages.h"
#include "tridiagonal.h"
#include "wavefunction.h"

std::string wavefunction::counter_text(int step) {
  std::string text = std::to_string(step);
  if (step >= 0 && step < 10000) text.insert(0, 5 - text.size(), '0');
  return text;
}

bool wavefunction::snapshot_due(int step, int period, int offset) {
  // In 64 bits: step - offset must not overflow for any offset.
  return period >= 1 && (static_cast<std::int64_t>(step) - offset) % period == 0;
}

// The system for the transition from t_j to t_(j+1) into A, B, C, D, for
// solve_tridiagonal.
void wavefunction::prepare_coefficients(int j) {
  const crank_nicolson_rows rows(*equation, grid);
  equation_sampler& sampler = *sampler_;
  sampler.begin(static_cast<double>(grid.t(j)), static_cast<double>(grid.t(j + 1)));
  const std::complex<double>* current = psi.get();
  for (int i = 1; i < N; ++i) {
    node_coefficients now, next;
    sampler.at_node(i, now, next);
    rows.build(now, next, current + i, A[i], B[i], C[i], D[i]);
  }
  A[N - 1] = 0;
  C[1] = 0;
}

void wavefunction::prepare_transition(int j) {
  transition_eliminated_ = !shows_dump(message_level) && eliminate_transition(j);
  if (!transition_eliminated_) prepare_coefficients(j);
}

int wavefunction::step_forward() {
  std::ostream& out = message_stream();
  const int j = step;
  if (shows_summary(message_level)) {
    out << "Funkcja falowa: krok w przod (Crank-Nicholson), przygotowanie wspolczynnikow\n"
        << "                krok czasowy: " << j << ", t=" << static_cast<double>(grid.t(j)) << "\n";
  }
  int code = tridiagonal_solved;
  quantity_sums sums;
  if (transition_eliminated_ && !shows_dump(message_level)) {
    sums = substitute_and_sum();
  } else {
    // The dumps show the system itself, so an eliminated one is built again.
    if (transition_eliminated_) prepare_coefficients(j - 1);
    // The solver's dumps come one level later than the wavefunction's.
    const int solver_level = message_level < INT_MAX ? message_level + 1 : message_level;
    code = solve_tridiagonal(N, A.get(), B.get(), C.get(), D.get(), psi.get(), solver_level);
  }
  if (shows_summary(message_level)) out << "Kod bledu: " << code << "\n" << "Funkcja falowa (krok czasowy " << j << "):\n";
  if (shows_dump(message_level)) {
    for (int i = 1; i < N; ++i) out << "Psi[" << i << "]  (" << psi[i].real() << "," << psi[i].imag() << ")\n";
  }

  // Most steps write no snapshot: the name's counter is made only for one.
  const auto counter = [j] { return counter_text(j) + ".dat"; };
  last_plot_file.clear();
  if (snapshot_due(j, co_ile_krokow_zapis_wykresu, przesuniecie)) {
    const std::string name = file_name(plot_prefix) + counter();
    write_plot_file(name);
    if (shows_summary(message_level)) out << "Wykres zapisany do pliku: " << name << "\n";
  }
  if (snapshot_due(j, co_ile_krokow_zapis_funkcji, przesuniecie)) {
    const std::string name = file_name(psi_prefix) + counter();
    write_wavefunction_file(name);
    if (shows_summary(message_level)) out << "Funkcja zapisana do pliku: " << name << "\n";
  }
  if (snapshot_due(j, co_ile_krokow_zapis_fft, przesuniecie)) {
    const std::string name = file_name(fft_prefix) + counter();
    if (write_fft_file(name) && shows_summary(message_level)) out << "FFT funkcji zapisana do pliku: " << name << "\n";
  }

  if (sums.summed) record_quantities(sums);
  else compute_quantities();
  if (dipole_) dipole_->append(*this);
  if (shows_startup(message_level)) print_step_line();
  write_timed_line();
  prepare_transition(j);
  ++step;
  status = code;
  return code;
}

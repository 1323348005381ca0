#include "wavefunction.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <ostream>

#include "dipole_file.h"
#include "equation_dE.h"
#include "equation_pA.h"
#include "equation_sampler.h"
#include "file_names.h"
#include "grid_parameters.h"
#include "initial_states.h"
#include "messages.h"
#include "shooting.h"
#include "text_file.h"
#include "well.h"

namespace {

complex_array allocate_block(std::size_t count) {
  return complex_array(static_cast<std::complex<double>*>(std::malloc(count * sizeof(std::complex<double>))));
}

void clear_block(complex_array& block, std::size_t count) {
  std::memset(static_cast<void*>(block.get()), 0, count * sizeof(std::complex<double>));
}

}  // namespace

wavefunction::wavefunction(const grid_parameters& grid_, const std::string& file_name_, int level)
    : N(grid_.x_count), message_level(level), parameter_file_name(fit_file_name(file_name_)), grid(grid_) {
  status = read_parameter_file();
  if (status != 0) return;

  std::ostream& out = message_stream();
  if (shows_startup(message_level)) {
    out << "Inicjacja funkcji falowej (wymiar sieci: " << N - 1 << ", ";
    out << kind_name(initial_state_names, typ_funkcji_pocz, "zle okreslony typ funkcji");
    if (typ_funkcji_pocz == state_from_file) out << ": " << nazwa_pliku;
    out << ", " << kind_name(gauge_names, cechowanie_hamiltonianu, "zle okreslone cechowanie hamiltonianu")
        << ")...\n";
  }
  if (shows_summary(message_level)) {
    out << "Funkcja falowa: ";
    grid.write_summary_line(out);
  }
  if (!allocate_arrays()) {
    status = 1;
    return;
  }
  status = create_equation();
  if (status != 0) return;

  // A file that cannot be written ends the run after the construction.
  if (!equation->save_potential(file_name(potential_file_name), 0) ||
      !equation->save_field(file_name(field_file_name)))
    write_failed = true;
  if (shows_summary(message_level)) {
    out << "Uwaga! W trakcie obliczen funkcja falowa unormowana jest do sumy, dopiero przy zapisie do pliku "
           "mnozona jest przez dx\n";
  }
  if (!fill_initial_state()) {
    status = 1;
    return;
  }
  if (shows_dump(message_level)) {
    for (int i = 1; i < N; ++i) {
      out << "Psi_initial[" << i << "]  (" << initial[i].real() << "," << initial[i].imag() << ")\n";
    }
  }
  // The first system is built from the initial state, so it is copied into
  // the current array before the coefficients are prepared.
  for (int i = 1; i < N; ++i) psi[i] = initial[i];
  prepare_transition(0);

  compute_quantities();
  if (shows_startup(message_level)) print_step_line();
  write_timed_line();
  if (!dipole_file::open(*this, dipole_)) {
    status = 1;
    return;
  }
  write_plot_file(file_name(plot_prefix) + counter_text(0) + ".dat");
  write_wavefunction_file(file_name(psi_prefix) + counter_text(0) + ".dat");
  write_fft_file(file_name(fft_prefix) + counter_text(0) + ".dat");
  step = 1;
}

wavefunction::~wavefunction() {
  if (shows_startup(message_level)) message_stream() << "Usuwanie funkcji falowej...";
}

void wavefunction::close_records() {
  if (dipole_) dipole_->close(*this);
  dipole_.reset();
  if (timed_file_) finish(*timed_file_, file_name(timed_file_name));
  timed_file_.reset();
}

int wavefunction::read_parameter_file() {
  if (read_wavefunction_parameters(parameter_file_name, *this) != 0) return 1;
  if (shows_summary(message_level)) print_parameter_summary();
  return 0;
}

void wavefunction::print_parameter_summary() const {
  std::ostream& out = message_stream();
  out << "Parametry funkcji falowej pobrano z pliku: " << parameter_file_name << ", wersja " << ver << "\n";
  out << "Funkcja falowa Psi(x,t=0): ";
  out << kind_name(initial_state_names, typ_funkcji_pocz, "zle okreslony");
  if (typ_funkcji_pocz == state_from_file) out << ": " << nazwa_pliku;
  if (typ_funkcji_pocz == well_eigenstate) out << " (k->Uo)";
  out << ", xo=" << x0 << ", a=" << a << ", k=" << k << ", n=" << n << "\n";
  out << "Ilosc punktow czasowych pomiedzy zapisem funkcji do pliku: " << co_ile_krokow_zapis_funkcji
      << ", wykresow: " << co_ile_krokow_zapis_wykresu << ", FFT: " << co_ile_krokow_zapis_fft
      << ", przesuniecie: " << przesuniecie << "\n";
  out << "Rzutowanie na plik " << (rzutuj_na_plik ? "wlaczone (" : "wylaczone (") << rzutuj_nazwa_pliku << ")\n";
}

bool wavefunction::allocate_arrays() {
  // Counts in size_t: N + 1 does not fit an int for the largest grids.
  const std::size_t count = static_cast<std::size_t>(N);
  initial = allocate_block(count + 1);
  psi = allocate_block(count + 1);
  A = allocate_block(count);
  B = allocate_block(count);
  C = allocate_block(count);
  D = allocate_block(count);

  std::ostream& out = message_stream();
  if (shows_summary(message_level)) {
    out << "Funkcja falowa: Zarezerwowane 6 blokow pamiec po " << 16.0 * N / 1024 << " kb (lacznie "
        << 96.0 * N / 1024 / 1024 << " Mb)\n";
    out << "Funkcja falowa: Adresy blokow pamieci: " << static_cast<const void*>(initial.get()) << ", "
        << static_cast<const void*>(psi.get()) << ", " << static_cast<const void*>(A.get()) << ", "
        << static_cast<const void*>(B.get()) << ", " << static_cast<const void*>(C.get()) << ", "
        << static_cast<const void*>(D.get()) << "\n";
  }
  if (!initial || !psi || !A || !B || !C || !D) {
    error_line("Blad: nieudana rezerwacja blokow pamieci dla funkcji falowej\n\n");
    return false;
  }
  // The byte size of a block must fit a 32-bit size; computed in 64 bits so
  // that the test itself cannot overflow.
  const std::uint64_t bytes = 16 * static_cast<std::uint64_t>(count);
  if (static_cast<std::uint32_t>(bytes) != bytes) {
    error_line("Blad: wymiar sieci powoduje przekroczenie zakresu typu size_t\n\n");
    return false;
  }
  clear_block(initial, count + 1);
  clear_block(psi, count + 1);
  clear_block(A, count);
  clear_block(B, count);
  clear_block(C, count);
  clear_block(D, count);
  step = 0;
  return true;
}

int wavefunction::create_equation() {
  const std::string& name = file_name(equation_file_name);
  if (cechowanie_hamiltonianu == length_gauge) {
    equation = std::make_unique<equation_dE>(name, grid, message_level);
  } else if (cechowanie_hamiltonianu == velocity_gauge) {
    equation = std::make_unique<equation_pA>(name, grid, message_level);
  } else {
    error_line("Blad: zle okreslone cechowanie hamiltonianu\n");
    return 1;
  }
  if (equation->status != 0) {
    error_line("Blad: parametry rownania nie zostaly prawidlowo pobrane\n\n");
    return 1;
  }
  // Parameters each within range can still overflow once multiplied on this
  // grid; every number of the run would then be NaN.
  if (!equation->coefficients_finite()) {
    error_line_with_file("Blad: wspolczynniki rownania przekraczaja zakres liczb na tej siatce", name);
    return 1;
  }
  try {
    sampler_ = std::make_unique<equation_sampler>(grid, *equation);
    if (rzutuj_na_plik != 0) projection_state_ = std::make_unique<std::complex<double>[]>(static_cast<std::size_t>(N) + 1);
  } catch (const std::bad_alloc&) {
    error_line("Blad: nieudana rezerwacja blokow pamieci dla funkcji falowej\n\n");
    return 1;
  }
  return 0;
}

bool wavefunction::fill_initial_state() {
  // The shooting method's work arrays come from the free store: a grid too
  // large for them fails like one too large for the wavefunction's own.
  try {
    switch (typ_funkcji_pocz) {
      case state_from_file: return read_initial_file(grid, initial.get(), nazwa_pliku, message_level);
      case gaussian_packet: gaussian_state(grid, x0, a, k, initial.get(), message_level); return true;
      case well_eigenstate: well_state_on_grid(grid, x0, n, a, k, initial.get(), message_level); return true;
      case shooting_eigenstate: shooting_state_on_grid(grid, *equation, n, initial.get(), message_level); return true;
      default:
        error_line("Blad: typ funkcji zle okreslony\n");
        return false;
    }
  } catch (const std::bad_alloc&) {
    error_line("Blad: nieudana rezerwacja blokow pamieci dla funkcji falowej\n\n");
    return false;
  }
}

// The kinds the parameter files choose by number, and the names the summaries
// print for them. Each names table is indexed by its kind's values.
#pragma once

#include <array>
#include <cstddef>

// typ_potencjalu
enum potential_kind { no_potential = 0, square_well = 1, soft_core = 2, step_barrier = 3 };
inline constexpr std::array<const char*, 4> potential_names{"brak potencjalu", "studnia potencjalu",
                                                            "atom rochesterowski", "bariera (schodek)"};

// typ_obwiedni
enum envelope_kind {
  rectangular_envelope = 0,
  trapezoid_envelope = 1,
  sine_squared_envelope = 2,
  exponential_envelope = 3,
  pulse_train_envelope = 4
};
inline constexpr std::array<const char*, 5> envelope_names{"prostokatna", "trapez", "sinus kwadrat",
                                                           "eksponencjalna", "impulsy prostokatne"};

// typ_pot_absorb
enum absorber_kind { no_absorber = 0, kosloff_absorber = 1, power_absorber = 2 };
inline constexpr std::array<const char*, 3> absorber_names{"brak pot. absorb.", "NIP-Kosloff", "NIP/NCP-power"};

// typ_funkcji_pocz; a state read from a file is named together with the file.
enum initial_state_kind { state_from_file = 0, gaussian_packet = 1, well_eigenstate = 2, shooting_eigenstate = 3 };
inline constexpr std::array<const char*, 4> initial_state_names{"czytana z pliku", "gauss", "stan wlasny studni",
                                                                "metoda strzalow"};

// cechowanie_hamiltonianu: the length gauge (equation_dE) or the velocity
// gauge (equation_pA).
enum gauge_kind { length_gauge = 0, velocity_gauge = 1 };
inline constexpr std::array<const char*, 2> gauge_names{"dE", "pA"};

// The name of value kind in a names table, or `unknown` for a value outside it.
template <std::size_t N>
constexpr const char* kind_name(const std::array<const char*, N>& names, int kind, const char* unknown) {
  return kind >= 0 && static_cast<std::size_t>(kind) < N ? names[static_cast<std::size_t>(kind)] : unknown;
}

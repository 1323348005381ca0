// Atomic units, in which the core states every physical quantity: the reduced
// Planck constant, the electron's mass and the elementary charge are 1.
#pragma once

#include <complex>
#include <numbers>

namespace atomic_units {
constexpr double hbar = 1.0;
constexpr double mass = 1.0;  // particle mass m
constexpr double elementary_charge = 1.0;
constexpr double charge = -elementary_charge;  // particle charge q
constexpr double speed_of_light = 137.036;     // 1 / fine-structure constant
constexpr std::complex<double> i_unit{0.0, 1.0};
constexpr double pi = std::numbers::pi;
}  // namespace atomic_units

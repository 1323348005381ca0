// The power spectrum of a dipole time series on a frequency axis in
// harmonic orders of the laser frequency.
#pragma once

#include <vector>

#include "dipole_series.h"
#include "harmonics_options.h"

struct harmonic_spectrum {
  // Frequencies omega_k = 2 pi k / (n dt), k = 0..n/2, and their orders
  // omega_k / w.
  std::vector<double> order, omega;
  // |dt * sum_j s_j win_j exp(-i omega_k t_j)|^2: the squared modulus of
  // the windowed signal's Fourier integral.
  std::vector<double> power;
};

// d<x>/dt by central differences (one-sided at the two ends), in place.
void differentiate(std::vector<double>& values, double dt);
// Multiplies the samples by the window (Hann, Blackman or none).
void apply_window(std::vector<double>& values, spectrum_window window);
// The spectrum of the series (FFTW's real-to-complex transform), with the
// velocity form taken from positions. w must not be 0.
harmonic_spectrum power_spectrum(dipole_series series, spectrum_form form, spectrum_window window, double w);

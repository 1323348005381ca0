// The results of mirelo-spectrum: the table "spectrum.dat" and its picture
// "spectrum.png", drawn by gnuplot.
#pragma once

#include <string>

#include "harmonic_power.h"
#include "laser_parameters.h"
#include "harmonics_options.h"

inline const std::string spectrum_table_name = "spectrum.dat";
inline const std::string spectrum_picture_name = "spectrum.png";

// Writes every frequency of the spectrum (order, omega, power) under a '#'
// header. The file appears under its name only when written whole. Returns
// 0, or 1 after an error line.
int write_spectrum_table(const std::string& name, const harmonic_spectrum& spectrum, const laser_parameters& laser,
                         const spectrum_options& options);

// Draws log power against the order up to a little beyond the cutoff, with
// the cutoff order marked when Ip is known. Returns 0, or 1 after an error
// line when gnuplot is missing or fails.
int draw_spectrum(const std::string& name, const harmonic_spectrum& spectrum, const laser_parameters& laser,
                  const spectrum_options& options);

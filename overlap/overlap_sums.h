// The eight plain sums of one comparison of two wavefunctions over the grid
// of the first: overlap, norms, dipole element and mean positions. No factor
// dx enters them and the positions are not divided by the norms.
#pragma once

#include <istream>

#include "wave_file_info.h"

struct OverlapSums {
  double s_re = 0, s_im = 0;  // <1|2>, the sum of conj(psi1)*psi2
  double n1 = 0, n2 = 0;      // <1|1>, <2|2>
  double d_re = 0, d_im = 0;  // <1|x|2>
  double x1 = 0, x2 = 0;      // <1|x|1>, <2|x|2>

  // |<1|2>|^2, read as the occupation of state 1 in state 2.
  double occupation() const { return s_re * s_re + s_im * s_im; }
  // |<1|x|2>|^2
  double dipole_square() const { return d_re * d_re + d_im * d_im; }
};

// Sums over the grid points of `grid`, reading one (re, im) pair per point
// from each stream; both streams stand after their comment lines. A value a
// stream cannot deliver (a second file shorter than the first) counts as 0.
OverlapSums sum_overlap(std::istream& first, std::istream& second, const WaveFileInfo& grid);

#include "overlap_sums.h"

namespace {

double next_value(std::istream& file) {
  double value = 0;
  return (file >> value) ? value : 0.0;
}

}  // namespace

OverlapSums sum_overlap(std::istream& first, std::istream& second, const WaveFileInfo& grid) {
  OverlapSums sums;
  for (int k = 0; k < grid.point_count; ++k) {
    const double a = next_value(first), b = next_value(first);
    const double c = next_value(second), d = next_value(second);
    const double x = grid.first_x + k * grid.dx;
    const double overlap_re = a * c + b * d, overlap_im = a * d - b * c;
    const double density1 = a * a + b * b, density2 = c * c + d * d;
    sums.s_re += overlap_re;
    sums.s_im += overlap_im;
    sums.n1 += density1;
    sums.n2 += density2;
    sums.d_re += overlap_re * x;
    sums.d_im += overlap_im * x;
    sums.x1 += density1 * x;
    sums.x2 += density2 * x;
  }
  return sums;
}

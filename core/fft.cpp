#include "fft.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "messages.h"

namespace {

// Largest exponent whose point count still fits the core's 32-bit counts.
constexpr int largest_exponent = 30;

const char* direction_text(int direction) { return direction == fft_x_to_k ? "x->k" : "k->x"; }

void reverse_bit_order(int count, double* re, double* im) {
  int j = 0;
  for (int i = 0; i < count - 1; ++i) {
    if (i < j) {
      std::swap(re[i], re[j]);
      std::swap(im[i], im[j]);
    }
    int k = count / 2;
    while (k <= j) {
      j -= k;
      k /= 2;
    }
    j += k;
  }
}

// Danielson-Lanczos stages. The twiddle factor advances by the rotation
// (c, s) inside a stage; between stages the angle is halved with the
// half-angle formulas, so no sine or cosine is ever evaluated.
void butterflies(int count, int direction, double* re, double* im) {
  double c = -1;  // cosine and sine of the first stage's angle, pi
  double s = 0;
  for (int h = 1; h < count; h *= 2) {
    double wr = 1;
    double wi = 0;
    for (int j = 0; j < h; ++j) {
      for (int i = j; i < count; i += 2 * h) {
        const int p = i + h;
        const double tr = wr * re[p] - wi * im[p];
        const double ti = wi * re[p] + wr * im[p];
        re[p] = re[i] - tr;
        im[p] = im[i] - ti;
        re[i] += tr;
        im[i] += ti;
      }
      const double next_wr = wr * c - wi * s;
      wi = wi * c + wr * s;
      wr = next_wr;
    }
    s = std::sqrt((1 - c) * 0.5);
    if (direction == fft_x_to_k) s = -s;
    c = std::sqrt((c + 1) * 0.5);
  }
}

// Transforms, with fft_1d, `lines` lines of 2^m complex elements each;
// element(line, position) is a reference into the caller's array.
template <class Element>
void transform_lines(int lines, int m, int direction, int level, std::vector<double>& re,
                     std::vector<double>& im, Element element) {
  const int length = static_cast<int>(re.size());
  for (int line = 0; line < lines; ++line) {
    for (int i = 0; i < length; ++i) {
      re[i] = element(line, i).real();
      im[i] = element(line, i).imag();
    }
    fft_1d(direction, m, re.data(), im.data(), level + 1);
    for (int i = 0; i < length; ++i) element(line, i) = {re[i], im[i]};
  }
}

// Scratch line of `length` reals; false when it cannot be allocated.
bool allocate_line(std::vector<double>& line, int length) {
  try {
    line.assign(static_cast<std::size_t>(std::max(length, 0)), 0.0);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace

bool power_of_two_exponent(double x, int& m) {
  // Exact powers of two in double; the bound keeps infinity from looping.
  m = 0;
  while (m < 1023 && std::ldexp(1.0, m) < x) ++m;
  return std::ldexp(1.0, m) == x;
}

void fft_1d(int direction, int m, double* re, double* im, int level) {
  if (m > largest_exponent) {
    error_line("Blad: FFT-1D: liczba punktow 2^m przekracza zakres (m=" + std::to_string(m) + ")\n\n");
    return;
  }
  int count = 1;
  for (int i = 0; i < m; ++i) count *= 2;
  if (shows_summary(level)) {
    message_stream() << "Szybka transformata Fouriera FFT-1D(" << direction_text(direction) << "): nx=2^" << m
                     << "=" << count << "\n";
  }
  reverse_bit_order(count, re, im);
  butterflies(count, direction, re, im);
  if (direction == fft_x_to_k) {
    for (int i = 0; i < count; ++i) {
      re[i] /= count;
      im[i] /= count;
    }
  }
  // Zero frequency to the middle, in both directions.
  const int half = count / 2;
  std::swap_ranges(re, re + half, re + half);
  std::swap_ranges(im, im + half, im + half);
}

int fft_2d(std::complex<double>* const* rows, int nx, int ny, int direction, int level) {
  if (shows_summary(level)) {
    message_stream() << "Szybka transformata Fouriera FFT-2D(" << direction_text(direction) << "): adres danych "
                     << static_cast<const void*>(rows) << ", nx=" << nx << ", ny=" << ny << "\n";
  }
  std::vector<double> re, im;
  if (!allocate_line(re, nx) || !allocate_line(im, nx)) return 0;
  int m = 0;
  if (!power_of_two_exponent(nx, m)) {
    error_line("Ostrzezenie: Liczba punktow nx nie jest potega 2. FFT nie moze byc wykonana\n\n");
    return 0;
  }
  transform_lines(ny, m, direction, level, re, im,
                  [rows](int column, int r) -> std::complex<double>& { return rows[r][column]; });

  if (!allocate_line(re, ny) || !allocate_line(im, ny)) return 0;
  if (!power_of_two_exponent(ny, m)) {
    error_line("Ostrzezenie: Liczba punktow ny nie jest rowna potedze 2. FFT nie moze byc wykonana\n\n");
    return 0;
  }
  transform_lines(nx, m, direction, level, re, im,
                  [rows](int r, int column) -> std::complex<double>& { return rows[r][column]; });
  return 1;
}

// Radix-2 fast Fourier transform, in place, decimation in time, on separate
// arrays of real and imaginary parts. The result is half-swapped so that zero
// frequency sits in the middle of the array.
#pragma once

#include <complex>

// Directions: position to momentum, and any other value for the reverse.
constexpr int fft_x_to_k = 1;
constexpr int fft_k_to_x = -1;

// m becomes the smallest m >= 0 with 2^m >= x; true when x is exactly 2^m.
bool power_of_two_exponent(double x, int& m);

// Transforms re[0..N-1], im[0..N-1] with N = 2^m in place.
// x->k: kernel exp(-i 2 pi j k / N), result divided by N.
// k->x: kernel exp(+i 2 pi j k / N), not scaled.
// Both directions end with the half-swap (element i <-> i + N/2), so after
// x->k the zero-frequency component is at N/2. k->x is therefore not the
// inverse of x->k: a caller that needs the input back undoes the swap of the
// x->k result first and then the swap of the k->x result.
// level below 1 prints the start line. m = 0 changes nothing.
void fft_1d(int direction, int m, double* re, double* im, int level);

// Transforms the nx x ny array rows[r][c] (nx row pointers of ny complex
// numbers each) first along r for every c, then along c for every r, with
// fft_1d on each. Returns 1 on success, 0 when nx or ny is not a power of two
// (warning and alarm; when only ny is wrong the first pass has already been
// applied) or the scratch cannot be allocated.
int fft_2d(std::complex<double>* const* rows, int nx, int ny, int direction, int level);

// Solver of the complex tridiagonal system that closes every Crank-Nicolson
// time step ("rozw3p" in its messages): one elimination sweep from the last
// row up, then substitution from the first row down, no pivoting, no scaling.
#pragma once

#include <complex>

// Status codes of solve_tridiagonal.
constexpr int tridiagonal_solved = 0;       // f holds the solution
constexpr int tridiagonal_homogeneous = 1;  // D is all zero; f is all zero
constexpr int tridiagonal_zero_pivot = 2;   // a pivot is exactly zero; f is all zero

// Solves, for the variables f[1..n-1],
//   C[i]*f[i-1] + B[i]*f[i] + A[i]*f[i+1] = D[i],   i = 1..n-1,
// with f[0] = f[n] = 0. Every array has n elements indexed 0..n-1 (n is the
// grid's x node count, xdim + 1); element 0 of A, B, C, D is not used and f[0]
// is set to 0. A is the upper diagonal (right neighbour), B the main
// diagonal, C the lower diagonal (left neighbour), D the right-hand side.
// C[1] and A[n-1] lie outside the matrix: when they are non-zero a warning is
// printed (without the alarm) and they are ignored.
//
// level is the message level for this call: below 1 the coefficients, the
// eliminated system and the solution are dumped to the message stream (the
// propagation passes its own level plus one). Returns one of the status codes
// above; the two failures print their line without the alarm. The scratch
// rows are kept per thread and grow with the largest n seen (freed when the
// thread ends); a failed allocation is fatal. Systems with n < 2 have no variables and are
// reported as homogeneous.
int solve_tridiagonal(int n, const std::complex<double>* A, const std::complex<double>* B,
                      const std::complex<double>* C, const std::complex<double>* D,
                      std::complex<double>* f, int level);

// The arithmetic of one row, shared by solve_tridiagonal and the time step
// that eliminates its system while it builds it: both must give the same
// bits. The products are written out on the parts: std::complex's operator*
// checks for infinities on every call, which doubles the sweep's cost.
namespace tridiagonal_row {

using complex = std::complex<double>;

// 1/(re + i im), the ordinary division: the conjugate over the squared
// modulus. Only a modulus that leaves the range of doubles is taken in
// extended precision.
inline complex inverse(double re, double im) {
  const double modulus = re * re + im * im;
  if (modulus > 1e-300 && modulus < 1e300) [[likely]] {
    const double scale = 1.0 / modulus;
    return complex(re * scale, -im * scale);
  }
  const long double wide = static_cast<long double>(re) * re + static_cast<long double>(im) * im;
  return complex(static_cast<double>(re / wide), static_cast<double>(-im / wide));
}

// Eliminates row i given the next row's X[i], Y[i], so that
// f[i] = X[i-1] f[i-1] + Y[i-1]. False, with nothing written, when the pivot
// B + A X[i] is exactly zero.
inline bool eliminate(complex A, complex B, complex C, complex D, complex X_next, complex Y_next, complex& X,
                      complex& Y) {
  const double ar = A.real(), ai = A.imag();
  const double dr = B.real() + ar * X_next.real() - ai * X_next.imag();
  const double di = B.imag() + ar * X_next.imag() + ai * X_next.real();
  if (dr == 0 && di == 0) [[unlikely]]
    return false;
  const complex reciprocal = inverse(dr, di);
  const double rr = reciprocal.real(), ri = reciprocal.imag();
  const double cr = -C.real(), ci = -C.imag();
  X = complex(cr * rr - ci * ri, cr * ri + ci * rr);
  const double yr = D.real() - (ar * Y_next.real() - ai * Y_next.imag());
  const double yi = D.imag() - (ar * Y_next.imag() + ai * Y_next.real());
  Y = complex(yr * rr - yi * ri, yr * ri + yi * rr);
  return true;
}

// f[j+1] from the eliminated row j and f[j].
inline complex substitute(complex X, complex f, complex Y) {
  const double xr = X.real(), xi = X.imag(), fr = f.real(), fi = f.imag();
  return complex(xr * fr - xi * fi + Y.real(), xr * fi + xi * fr + Y.imag());
}

}  // namespace tridiagonal_row

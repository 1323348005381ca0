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

// The plain Thomas algorithm on std::complex<double> arrays, written as simply
// as it goes and compiled without the range checks of complex arithmetic:
// the floor that the time step of the simulator is measured against.
#pragma once

#include <complex>

// Solves C[i] f[i-1] + B[i] f[i] + A[i] f[i+1] = D[i], i = 1..n-1, with
// f[0] = f[n] = 0; X and Y are the elimination rows (n elements each).
void thomas_reference(int n, const std::complex<double>* A, const std::complex<double>* B,
                      const std::complex<double>* C, const std::complex<double>* D, std::complex<double>* X,
                      std::complex<double>* Y, std::complex<double>* f);

// The same with the row below carried in registers rather than read back
// from the arrays: what the plain form leaves on the table.
void thomas_reference_carried(int n, const std::complex<double>* A, const std::complex<double>* B,
                              const std::complex<double>* C, const std::complex<double>* D,
                              std::complex<double>* X, std::complex<double>* Y, std::complex<double>* f);

#include "thomas_reference.h"

void thomas_reference(int n, const std::complex<double>* A, const std::complex<double>* B,
                      const std::complex<double>* C, const std::complex<double>* D, std::complex<double>* X,
                      std::complex<double>* Y, std::complex<double>* f) {
  X[n - 1] = Y[n - 1] = 0;
  for (int i = n - 1; i >= 1; --i) {
    const std::complex<double> r = 1.0 / (B[i] + A[i] * X[i]);
    X[i - 1] = -C[i] * r;
    Y[i - 1] = (D[i] - A[i] * Y[i]) * r;
  }
  f[0] = 0;
  for (int j = 0; j + 1 < n; ++j) f[j + 1] = X[j] * f[j] + Y[j];
}

void thomas_reference_carried(int n, const std::complex<double>* A, const std::complex<double>* B,
                              const std::complex<double>* C, const std::complex<double>* D,
                              std::complex<double>* X, std::complex<double>* Y, std::complex<double>* f) {
  std::complex<double> x = 0, y = 0;
  X[n - 1] = Y[n - 1] = 0;
  for (int i = n - 1; i >= 1; --i) {
    const std::complex<double> r = 1.0 / (B[i] + A[i] * x);
    y = (D[i] - A[i] * y) * r;
    x = -C[i] * r;
    X[i - 1] = x;
    Y[i - 1] = y;
  }
  std::complex<double> value = f[0] = 0;
  for (int j = 0; j + 1 < n; ++j) f[j + 1] = value = X[j] * value + Y[j];
}

#include "tridiagonal.h"

#include <random>
#include <utility>
#include <vector>
#include <gtest/gtest.h>

#include "core_capture.h"

namespace {

using complex = std::complex<double>;
using column = std::vector<complex>;

struct tridiagonal_system {
  explicit tridiagonal_system(int n) : n(n), A(n), B(n), C(n), D(n), f(n, complex(7, 7)) {}
  int solve(int level = 2) { return solve_tridiagonal(n, A.data(), B.data(), C.data(), D.data(), f.data(), level); }
  int n;
  column A, B, C, D, f;
};

// Gaussian elimination with partial pivoting on the dense form of the rows.
column dense_solve(const tridiagonal_system& s) {
  const int size = s.n - 1;
  std::vector<column> m(size, column(size + 1));
  for (int r = 0; r < size; ++r) {
    if (r > 0) m[r][r - 1] = s.C[r + 1];
    if (r + 1 < size) m[r][r + 1] = s.A[r + 1];
    m[r][r] = s.B[r + 1];
    m[r][size] = s.D[r + 1];
  }
  for (int c = 0; c < size; ++c) {
    int pivot = c;
    for (int r = c + 1; r < size; ++r) pivot = std::abs(m[r][c]) > std::abs(m[pivot][c]) ? r : pivot;
    std::swap(m[c], m[pivot]);
    for (int r = c + 1; r < size; ++r)
      for (int k = size; k >= c; --k) m[r][k] -= m[r][c] / m[c][c] * m[c][k];
  }
  column x(s.n);
  for (int r = size - 1; r >= 0; --r) {
    complex sum = m[r][size];
    for (int c = r + 1; c < size; ++c) sum -= m[r][c] * x[c + 1];
    x[r + 1] = sum / m[r][r];
  }
  return x;
}

TEST(Tridiagonal, SingleVariable) {
  tridiagonal_system s(2);
  s.B[1] = complex(1, 1);
  s.D[1] = complex(3, -1);
  EXPECT_EQ(s.solve(), tridiagonal_solved);
  EXPECT_EQ(s.f[0], complex(0, 0));
  EXPECT_NEAR(std::abs(s.f[1] - complex(1, -2)), 0, 1e-15);
}

TEST(Tridiagonal, AgreesWithDenseSolveOnRandomDominantSystem) {
  std::mt19937 random(12345);
  std::uniform_real_distribution<double> u(-1, 1);
  auto any = [&] { return complex(u(random), u(random)); };
  // The smaller systems follow a larger one, whose elimination rows remain.
  for (int n : {200, 50, 3}) {
    SCOPED_TRACE(n);
    tridiagonal_system s(n);
    for (int i = 1; i < s.n; ++i) {
      s.A[i] = i < s.n - 1 ? any() : 0;
      s.C[i] = i > 1 ? any() : 0;
      s.B[i] = any() + (u(random) < 0 ? -3.0 : 3.0);
      s.D[i] = any();
    }
    const column expected = dense_solve(s);
    EXPECT_EQ(s.solve(), tridiagonal_solved);
    for (int i = 1; i < s.n; ++i) EXPECT_NEAR(std::abs(s.f[i] - expected[i]), 0, 1e-12) << i;
  }
}

TEST(Tridiagonal, FailuresZeroTheResultAndStaySilent) {
  core_capture capture;
  tridiagonal_system s(5);
  for (int i = 1; i < 5; ++i) s.B[i] = 2;
  testing::internal::CaptureStdout();
  EXPECT_EQ(s.solve(), tridiagonal_homogeneous);
  EXPECT_EQ(capture.errors(), "\n\t*** Rownanie jednorodne => Rozwiazanie trywialne\n\n");
  EXPECT_EQ(s.f, column(5));

  capture.clear();
  s.f.assign(5, 7);
  s.D.assign(5, 1);
  s.B[4] = 0;  // the sweep meets it first
  EXPECT_EQ(s.solve(), tridiagonal_zero_pivot);
  EXPECT_EQ(capture.errors(), "\n\t*** Dzielenie przez zero => Uklad sprzeczny\n\n");
  EXPECT_EQ(s.f, column(5));

  // Without variables there is nothing to solve, and C[1] is not read.
  for (int n : {1, 0, -3}) EXPECT_EQ(solve_tridiagonal(n, s.A.data(), s.B.data(), s.C.data(), s.D.data(), s.f.data(), 2), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST(Tridiagonal, ValuesOutsideTheMatrixWarnWithoutAlarmAndAreIgnored) {
  core_capture capture;
  tridiagonal_system clean(6);
  for (int i = 1; i < 6; ++i) {
    clean.B[i] = complex(4, 1);
    clean.A[i] = i < 5 ? complex(1, -1) : 0;
    clean.C[i] = i > 1 ? complex(-1, 0.5) : 0;
    clean.D[i] = complex(i, -i);
  }
  tridiagonal_system outside = clean;
  outside.C[1] = complex(5, 5);
  outside.A[5] = complex(0, -3);
  EXPECT_EQ(clean.solve(), tridiagonal_solved);
  EXPECT_EQ(capture.errors(), "");
  testing::internal::CaptureStdout();
  EXPECT_EQ(outside.solve(), tridiagonal_solved);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(capture.errors(), "\n\t*** Uwaga! Wartosci przekatnej A lub C poza zakresem sa niezerowe!\n\n");
  EXPECT_EQ(outside.f, clean.f);
}

TEST(Tridiagonal, TinyValuesAreNotTakenForZeros) {
  // Their squared moduli underflow to zero in doubles.
  core_capture capture;
  tridiagonal_system s(3);
  s.B.assign(3, 2);
  s.D.assign(3, complex(0, 1e-170));
  s.A[2] = 1e-200;
  EXPECT_EQ(s.solve(), tridiagonal_solved);
  EXPECT_EQ(s.f[1], complex(0, 5e-171));
  EXPECT_EQ(s.f[2], complex(0, 5e-171));
  EXPECT_EQ(capture.errors(), "\n\t*** Uwaga! Wartosci przekatnej A lub C poza zakresem sa niezerowe!\n\n");
}

TEST(Tridiagonal, DumpsOnlyBelowLevelOne) {
  core_capture capture;
  tridiagonal_system s(2);
  s.B[1] = 2;
  s.D[1] = complex(4, 2);
  s.solve(1);
  EXPECT_EQ(capture.messages(), "");
  s.solve(0);
  const std::string dump = capture.messages();
  EXPECT_EQ(dump.rfind("Rozwiazywanie trojprzekatniowego ukladu rownan liniowych:\nA[1]=(0, 0)  \nB[1]=(2, 0)  \n"
                       "C[1]=(0, 0)  \nD[1]=(4, 2)  \nPrzeskalowane macierze:\nX[0]  (", 0),
            0u);
  EXPECT_NE(dump.find(") \tY[0]  (2,1)\nRozwiazania:\nf[1]  (2,1)\n"), std::string::npos);
}

}  // namespace

#include "fft.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>
#include <vector>
#include <gtest/gtest.h>

#include "core_capture.h"

namespace {

using complex = std::complex<double>;
using samples = std::vector<complex>;
constexpr double pi = 3.141592653589793;

// Direct O(N^2) transform with the same conventions: kernel sign by
// direction, 1/N for x->k only, result half-swapped.
samples direct_transform(const samples& data, int direction) {
  const int n = static_cast<int>(data.size());
  samples out(n);
  const long double step = (direction == fft_x_to_k ? -2 : 2) * pi / n;
  for (int k = 0; k < n; ++k) {
    std::complex<long double> sum = 0;
    for (int j = 0; j < n; ++j) sum += std::complex<long double>(data[j]) * std::polar(1.0L, step * (j * k % n));
    out[(k + n / 2) % n] = complex(direction == fft_x_to_k ? sum / static_cast<long double>(n) : sum);
  }
  return out;
}

samples fast_transform(const samples& data, int direction, int m) {
  std::vector<double> re, im;
  for (const complex& z : data) {
    re.push_back(z.real());
    im.push_back(z.imag());
  }
  fft_1d(direction, m, re.data(), im.data(), 2);
  samples out;
  for (std::size_t i = 0; i < re.size(); ++i) out.emplace_back(re[i], im[i]);
  return out;
}

samples random_samples(int n, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> u(-1, 1);
  samples data(n);
  for (complex& z : data) z = complex(u(random), u(random));
  return data;
}

void expect_close(const samples& actual, const samples& expected, double tolerance) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) EXPECT_NEAR(std::abs(actual[i] - expected[i]), 0, tolerance) << i;
}

TEST(Fft, PowerOfTwoExponent) {
  int m = -1;
  EXPECT_FALSE(power_of_two_exponent(1000, m));
  EXPECT_EQ(m, 10);
  EXPECT_TRUE(power_of_two_exponent(1024, m));
  EXPECT_EQ(m, 10);
  EXPECT_TRUE(power_of_two_exponent(1, m));
  EXPECT_EQ(m, 0);
  EXPECT_TRUE(power_of_two_exponent(2147483648.0, m));
  EXPECT_EQ(m, 31);
  EXPECT_FALSE(power_of_two_exponent(INFINITY, m));  // ends instead of looping
}

TEST(Fft, StartLineAndTheTrivialAndOversizedLengths) {
  core_capture capture;
  double re = 3, im = -2;
  fft_1d(fft_x_to_k, 0, &re, &im, 0);
  fft_1d(7, 0, &re, &im, 1);
  EXPECT_EQ(capture.messages(), "Szybka transformata Fouriera FFT-1D(x->k): nx=2^0=1\n");
  testing::internal::CaptureStdout();
  fft_1d(fft_x_to_k, 31, &re, &im, 2);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "\a");
  EXPECT_EQ(capture.errors(), "\n\t*** Blad: FFT-1D: liczba punktow 2^m przekracza zakres (m=31)\n\n");
  EXPECT_EQ(complex(re, im), complex(3, -2));
}

TEST(Fft, ConstantAndImpulse) {
  samples middle(8);
  middle[4] = 1;
  expect_close(fast_transform(samples(8, 1), fft_x_to_k, 3), middle, 1e-15);
  samples impulse(8);
  impulse[0] = 1;
  expect_close(fast_transform(impulse, fft_x_to_k, 3), samples(8, 0.125), 1e-15);
  expect_close(fast_transform(impulse, fft_k_to_x, 3), samples(8, 1), 1e-15);
}

TEST(Fft, MatchesDirectTransformInBothDirections) {
  const samples data = random_samples(64, 7);
  expect_close(fast_transform(data, fft_x_to_k, 6), direct_transform(data, fft_x_to_k), 1e-14);
  expect_close(fast_transform(data, fft_k_to_x, 6), direct_transform(data, fft_k_to_x), 1e-12);
}

TEST(Fft, InverseRecoversTheInputOnlyAfterUndoingOneSwap) {
  const samples data = random_samples(32, 11);
  samples momenta = fast_transform(data, fft_x_to_k, 5);
  // Straight back: the swapped momenta shift every sample's phase by pi.
  const samples back = fast_transform(momenta, fft_k_to_x, 5);
  for (int i = 0; i < 32; ++i) EXPECT_NEAR(std::abs(back[i] - (i % 2 ? -1.0 : 1.0) * data[(i + 16) % 32]), 0, 1e-14);
  std::rotate(momenta.begin(), momenta.begin() + 16, momenta.end());
  const samples restored = fast_transform(momenta, fft_k_to_x, 5);
  for (int i = 0; i < 32; ++i) EXPECT_NEAR(std::abs(restored[i] - data[(i + 16) % 32]), 0, 1e-14);
}

struct Fft2d : ::testing::Test {
  core_capture capture;
  std::vector<samples> storage;
  std::vector<complex*> rows;
  void fill(int nx, int ny) {
    storage.clear();
    rows.clear();
    for (int r = 0; r < nx; ++r) rows.push_back(storage.emplace_back(random_samples(ny, r)).data());
  }
};

TEST_F(Fft2d, TransformsAlongBothIndices) {
  fill(4, 8);
  auto expected = storage;
  for (int c = 0; c < 8; ++c) {
    samples column;
    for (int r = 0; r < 4; ++r) column.push_back(expected[r][c]);
    column = direct_transform(column, fft_k_to_x);
    for (int r = 0; r < 4; ++r) expected[r][c] = column[r];
  }
  for (samples& row : expected) row = direct_transform(row, fft_k_to_x);
  EXPECT_EQ(fft_2d(rows.data(), 4, 8, fft_k_to_x, 0), 1);
  for (int r = 0; r < 4; ++r) expect_close(storage[r], expected[r], 1e-14);
  std::ostringstream address;
  address << static_cast<const void*>(rows.data());
  EXPECT_EQ(capture.messages(),
            "Szybka transformata Fouriera FFT-2D(k->x): adres danych " + address.str() + ", nx=4, ny=8\n");
}

TEST_F(Fft2d, RefusesCountsThatAreNotPowersOfTwo) {
  fill(3, 4);
  const auto original = storage;
  testing::internal::CaptureStdout();
  EXPECT_EQ(fft_2d(rows.data(), 3, 4, fft_x_to_k, 2), 0);
  EXPECT_EQ(capture.errors(), "\n\t*** Ostrzezenie: Liczba punktow nx nie jest potega 2. FFT nie moze byc wykonana\n\n");
  EXPECT_EQ(storage, original);

  capture.clear();
  fill(2, 3);
  const samples first_column = direct_transform({storage[0][0], storage[1][0]}, fft_x_to_k);
  EXPECT_EQ(fft_2d(rows.data(), 2, 3, fft_x_to_k, 2), 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "\a\a");
  EXPECT_EQ(capture.errors(),
            "\n\t*** Ostrzezenie: Liczba punktow ny nie jest rowna potedze 2. FFT nie moze byc wykonana\n\n");
  // The pass along the first index has already been applied.
  expect_close({storage[0][0], storage[1][0]}, first_column, 1e-15);
}

}  // namespace

#include "bisection.h"

#include <cmath>
#include <gtest/gtest.h>

#include "core_capture.h"

namespace {

TEST(Bisection, FindsRootFromEitherSide) {
  auto rising = [](double x) -> long double { return x * x - 2.0; };
  EXPECT_NEAR(bisect_root(rising, 0, 2, 1e-12), std::sqrt(2.0), 1e-11);
  auto falling = [](double x) -> long double { return 2.0 - x * x; };
  EXPECT_NEAR(bisect_root(falling, 0, 2, 1e-12), std::sqrt(2.0), 1e-11);
}

TEST(Bisection, UnbracketedRootIsFatal) {
  core_capture capture;
  testing::internal::CaptureStdout();
  auto positive = [](double x) -> long double { return x * x + 1.0; };
  EXPECT_THROW(bisect_root(positive, -1, 1, 1e-8), fatal_ended);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(capture.errors(), "\n\t*** Root must be bracketed for bisection in rtbis\n");
}

TEST(Bisection, UnreachableAccuracyIsFatal) {
  core_capture capture;
  testing::internal::CaptureStdout();
  // The step halves to denormals and zero but never below a negative accuracy.
  auto line = [](double x) -> long double { return x - 0.3L; };
  EXPECT_THROW(bisect_root(line, 0, 1, -1), fatal_ended);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(capture.errors(), "\n\t*** Too many bisections in rtbis\n");
}

}  // namespace

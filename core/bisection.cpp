#include "bisection.h"

#include <cmath>

#include "messages.h"

double bisect_root(const std::function<long double(double)>& f, double x1, double x2, double xacc) {
  const double fl = static_cast<double>(f(x1));
  const double fh = static_cast<double>(f(x2));
  if (fl * fh >= 0.0) fatal_error("Root must be bracketed for bisection in rtbis");
  // Walk from the end where f is negative towards the other one.
  double root = fl < 0.0 ? x1 : x2;
  double step = fl < 0.0 ? x2 - x1 : x1 - x2;
  constexpr int max_bisections = 400;
  for (int j = 0; j < max_bisections; ++j) {
    step *= 0.5;
    const double middle = root + step;
    const double fm = static_cast<double>(f(middle));
    if (fm <= 0.0 || std::isnan(fm)) root = middle;
    if (std::fabs(step) < xacc || fm == 0.0) return root;
  }
  fatal_error("Too many bisections in rtbis");
}

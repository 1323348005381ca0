// Root finding by bisection, for the square-well wave numbers and the
// shooting-method energies.
#pragma once

#include <functional>

// Root of f between x1 and x2 (which must bracket it), to accuracy xacc.
// An unbracketed root, or no convergence in 400 halvings, is fatal.
double bisect_root(const std::function<long double(double)>& f, double x1, double x2, double xacc);

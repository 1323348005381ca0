// Velocity gauge: the field enters through the vector potential A(x,t).
#pragma once

#include "equation_base.h"

class equation_pA : public equation_base {
 public:
  // Reads the equation file through equation_base (status is set there),
  // then prints "Inicjacja rownania Schrodingera (wersja pA) ...\n" (level
  // below 2) and takes the label "wersja pA".
  equation_pA(const std::string& file_name, const grid_parameters& grid, int message_level);

  std::complex<double> drift_coefficient(double x, double t) const override;      // q A / m
  std::complex<double> potential_coefficient(double x, double t) const override;  // (-i/hbar)(V + U_abs + q^2 A^2 / 2m)
  // 1 with the mixed gauge switched on, else exp((-i/hbar) q x A(0,t)).
  std::complex<double> gauge_phase(double x, double t) const override;

  // A(x,t): minus the time integral of the field for a constant envelope.
  long double vector_potential(double x, double t) const;
};

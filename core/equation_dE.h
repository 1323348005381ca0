// Length gauge: the field enters as the potential energy q x E(x,t).
#pragma once

#include "equation_base.h"

class equation_dE : public equation_base {
 public:
  // Reads the equation file through equation_base (status is set there),
  // then prints "Inicjacja rownania Schrodingera (wersja dE) ...\n" (level
  // below 2) and takes the label "wersja dE".
  equation_dE(const std::string& file_name, const grid_parameters& grid, int message_level);

  std::complex<double> drift_coefficient(double x, double t) const override;      // 0
  std::complex<double> potential_coefficient(double x, double t) const override;  // (-i/hbar)(V + U_abs + q x E)
  std::complex<double> gauge_phase(double x, double t) const override;            // 1
};

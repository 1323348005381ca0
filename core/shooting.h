// Laying a bound state of the equation's potential, found by the shooting
// method (equation_base::shooting_state), onto the grid.
#pragma once

#include <complex>

class grid_parameters;
class equation_base;

// Writes state n (1 = ground state) into psi[1..xdim] as (value, 0),
// normalised to a plain sum of |psi[i]|^2 of 1; psi has grid.x_count
// elements and psi[0] is left alone. level below 1 prints
// "Stan wlasny znaleziony metoda strzalow (n=" n ")\n"; the method's own
// messages follow the equation's level. Failures of the method are fatal.
void shooting_state_on_grid(const grid_parameters& grid, equation_base& equation, int n,
                            std::complex<double>* psi, int level);

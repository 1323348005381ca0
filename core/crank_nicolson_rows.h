// One row of the Crank-Nicolson system of a transition from t to t_next,
// multiplied through by dx: the implicit side at t_next in A, B, C, the
// explicit side at t applied to the current state in D. The nonlinear term
// takes its density from the current state on both sides. Kept in doubles:
// the sweep that solves the system works in doubles too. Every way of
// building the system goes through this one formula, so that they all give
// the same bits.
#pragma once

#include <complex>

#include "equation_base.h"
#include "equation_sampler.h"
#include "grid_parameters.h"

struct crank_nicolson_rows {
  using complex = std::complex<double>;

  crank_nicolson_rows(const equation_base& equation, const grid_parameters& grid)
      : dx(grid.dx),
        kdx(equation.kinetic_coefficient / dx),
        two_dx_dt(2 * dx / grid.dt),
        implicit_diagonal(two_dx_dt + 2.0 * kdx),
        explicit_diagonal(two_dx_dt - 2.0 * kdx),
        SN(equation.nieliniowosc_SN) {}

  // Row i from the coefficients at its node and psi[i-1], psi[i], psi[i+1]
  // of the current state. The caller zeroes C of the first row and A of the
  // last: they would couple to the boundary nodes.
  void build(const node_coefficients& now, const node_coefficients& next, const complex* psi, complex& A,
             complex& B, complex& C, complex& D) const {
    const double nonlinear = SN * std::norm(psi[0]);
    A = -(kdx + 0.5 * next.P);
    B = implicit_diagonal - dx * (next.Q + nonlinear);
    C = -kdx + 0.5 * next.P;
    D = (kdx - 0.5 * now.P) * psi[-1] + (explicit_diagonal + dx * (now.Q + nonlinear)) * psi[0] +
        (kdx + 0.5 * now.P) * psi[1];
  }

  double dx;
  complex kdx;
  double two_dx_dt;
  complex implicit_diagonal, explicit_diagonal;
  double SN;
};

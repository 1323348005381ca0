// The wavefunction parameter file ("1d-psi.par"): its fields under the
// file's own keys, and the one reader of it.
#pragma once

#include <string>

#include "parameter_kinds.h"

struct wavefunction_parameters {
  double ver = 0;
  int typ_funkcji_pocz = -1;   // an initial_state_kind
  std::string nazwa_pliku;     // initial-state file of kind 0
  double x0 = 0;
  double a = 1;                // Gaussian width, or the well's half-width
  double k = 0;                // wave number of the Gaussian, or the well's depth Uo
  int n = 1;                   // quantum number of kinds 2 and 3
  int co_ile_krokow_zapis_wykresu = 1;
  int co_ile_krokow_zapis_funkcji = 0;
  int co_ile_krokow_zapis_fft = 0;
  int przesuniecie = 0;        // offset of the save schedule
  int cechowanie_hamiltonianu = length_gauge;  // a gauge_kind
  int rzutuj_na_plik = 0;
  std::string rzutuj_nazwa_pliku;
};

// Reads the file into values. Returns 0 when it opened and its values are
// acceptable, 1 after the error line (the parameter file's own, or
// "Bledne parametry funkcji falowej!").
int read_wavefunction_parameters(const std::string& name, wavefunction_parameters& values);

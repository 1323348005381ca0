// The simulation parameters that the wizard's controls keep up to date and
// that are written to the three working parameter files. A value that no
// control sets keeps its start value for the whole program. Each field is
// named after its key in the parameter file, so that one search finds the
// reader, the writer and the tests of a field; where two files share a key
// (ver, a, k), the wizard's own name tells the files apart.
#pragma once

#include <QString>

struct WizardParameters {
  // File format versions, set by the window's constructor.
  double grid_version = 1.0;
  double equation_version = 1.0;
  double wavefunction_version = 1.0;

  // Space grid (Edit1, Edit2, Edit3); dx derived while xdim > 1.
  int xdim = 1024;
  double xmin = -100.0;
  double xmax = 100.0;
  double dx = 200.0 / 1023.0;
  // Time grid (Edit6, Edit7, Edit8); tmax = tdim * dt + tmin.
  int tdim = 1000;
  double tmin = 0.0;
  double dt = 0.1;
  double tmax = 100.0;

  // Binding potential: type and sign from the potential buttons, the depth
  // Vo (negative for wells) from TrackBar7, the width a from TrackBar8.
  int typ_potencjalu = 0;
  int potential_sign = 0;
  double Vo = 0.0;
  double a = 0.0;

  // Laser field Ec + Eo f(t) cos(w t - k x + phi + w2 t^2 + w3 sin(w4 t)):
  // Eo, w, phi from TrackBar4..6, the modulation from TrackBar9..11.
  double Ec = 0.0;
  double Eo = 0.0;
  double w = 0.1;
  double k = 0.0;
  double phi = 1.57;
  double w2 = 0.0;
  double w3 = 0.0;
  double w4 = 0.0;
  int typ_obwiedni = 0;  // rectangular
  double T1 = 0.0;
  double T2 = 0.0;
  int pA_cechowanie_mieszane = 0;  // off
  int cechowanie_hamiltonianu = 0;  // 0 = length gauge (equation_dE)

  // Absorbing potential: type from RadioButton6/RadioButton7 (0 none,
  // 1 NIP-Kosloff), Uo_abs from TrackBar12, a_abs from Edit13.
  int typ_pot_absorb = 0;
  double Uo_abs = 1.0;
  double a_abs = 5.0;
  double Uor_abs = 0.0;
  double Nr_abs = 0.0;
  double Ni_abs = 0.0;
  double nieliniowosc_SN = 0.0;

  int v_save = 1;  // write "v(x).dat"
  int e_save = 0;  // write "e(t).dat"

  // Initial state: type from ListBox1 (0 file, 1 Gaussian, 2 well state,
  // 3 shooting method), file name from Edit12, the Gaussian's x0, width and
  // momentum from TrackBar1, TrackBar3, TrackBar2.
  int typ_funkcji_pocz = 1;
  QString nazwa_pliku = "brak";
  double x0 = 0.0;
  double packet_width = 0.5;
  double k0 = 0.0;
  int n = 1;  // state number

  // Save schedule: plot and function intervals from Edit4, offset from Edit5.
  int co_ile_krokow_zapis_wykresu = 5;
  int co_ile_krokow_zapis_funkcji = 0;
  int co_ile_krokow_zapis_fft = 0;
  int przesuniecie = 0;

  int rzutuj_na_plik = 0;  // projection on a state read from a file: off
  QString rzutuj_nazwa_pliku = "brak";
};

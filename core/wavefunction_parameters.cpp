#include "wavefunction_parameters.h"

#include "file_names.h"
#include "messages.h"
#include "parameter_file.h"

int read_wavefunction_parameters(const std::string& name, wavefunction_parameters& values) {
  parameter_file file;
  if (file.open(name, "funkcji falowej", values.ver) != 0) return 1;
  file >> values.typ_funkcji_pocz >> values.nazwa_pliku >> values.x0 >> values.a >> values.k >> values.n >>
      values.co_ile_krokow_zapis_wykresu >> values.co_ile_krokow_zapis_funkcji >> values.co_ile_krokow_zapis_fft >>
      values.przesuniecie >> values.cechowanie_hamiltonianu >> values.rzutuj_na_plik >> values.rzutuj_nazwa_pliku;
  values.nazwa_pliku = fit_file_name(values.nazwa_pliku);
  values.rzutuj_nazwa_pliku = fit_file_name(values.rzutuj_nazwa_pliku);

  if (!(values.a >= 0) || values.co_ile_krokow_zapis_funkcji < 0 || values.co_ile_krokow_zapis_fft < 0 ||
      values.co_ile_krokow_zapis_wykresu < 0 || values.n < 1) {
    error_line_with_file("Bledne parametry funkcji falowej!", name);
    return 1;
  }
  return 0;
}

#include "help_page.h"

#include "file_names.h"
#include "parameter_file.h"

void print_banner(std::ostream& out) {
  out << "\n"
      << "mirelo - calkowanie jednowymiarowego rownania Schrodingera (Crank-Nicolson)\n"
      << "mirelo, wersja 1.0\n"
      << "Data kompilacji: " << __DATE__ << "\n"
      << "\n";
}

void print_help_page(std::ostream& out) {
  const double version = parameter_file::required_version;
  out << "Program sluzy do calkowania rownania Schrodingera metoda Cranka-Nicholsona\n"
      << "\nSkladnia:  mirelo [-h] [-t] [-sn] [-d] [-pnnn]\n"
      << "Parametry:\n-h  wyswietla te strone\n"
      << "-v  wyswietla wersje programu\n"
      << "-t  testowanie parametrow wejsciowych i poczatkowej funkcji falowej\n"
      << "-sn, gdzie n liczba od 0 do 2  okresla ilosc komunikatow pokazywanych\n     na ekranie, domyslnie 1\n"
      << "-d  full debug (przeslania -sn)\n"
      << "-pnnn, gdzie nnn to nazwa pliku zawierajacego nazwy plikow z parametrami,\n"
         "       kolejno (w nawiasach nazwy domyslne) sieci (1d-grid.par),\n"
         "       poczatkowej funkcji falowej (1d-psi.par) i rownania (1d-eq.par)\n"
      << "\nMozna skorzystac z przekierowania strumienia wyjscia, aby przesledzic\n"
         "wszystkie komunikaty (np. 'mirelo -s0 > mirelo.out').\n"
         "Komunikaty bledow beda nadal wyswietlane na ekranie.\n\n"
      << "Pliki (nazwy domyslne) z ktorych pobierane sa parametry to:\n";
  out << file_name(grid_file_name) << " - parametry sieci czasowej i przestrzennej\n\tver (" << version
      << ")\n\txdim  xmin  xmax\n\ttdim  tmin  dt\n";
  out << file_name(wavefunction_file_name) << "  - parametry poczatkowej funkcji falowej\n\tver (" << version
      << ")\n\ttyp_funkcji_pocz  nazwa_pliku\n\tx0  a  k|Uo  n\n"
         "\tco_ile_krokow_zapis_wykresu  co_ile_krokow_zapis_funkcji  co_ile_krokow_zapis_fft  przesuniecie\n"
         "\tcechowanie_hamiltonianu\n\trzutuj_na_plik  rzutuj_nazwa_pliku\n"
         "\t\ttyp_funkcji_pocz:\n\t\t\t0 - czytana z pliku\n\t\t\t1 - gauss\n\t\t\t2 - stan własny studni\n"
         "\t\t\t3 - metoda strzalow\n\t\tcechowanie_hamiltonianu:\n\t\t\t0 - cechowanie dlugosciowe (dE)\n"
         "\t\t\t1 - cechowanie predkosciowe (pA)\n\tW metodzie strzalow parametry potencjalu, poza glowna liczba\n"
         "\tkwantowa n, pobierane sa z pliku rownania (domyslnie 1d-eq.par).\n";
  out << file_name(equation_file_name) << "   - parametry rownania (potencjalu i pola)\n\tver (" << version
      << ")\n\ttyp_potencjalu  Vo  a\n\tEc  Eo  w  k  phi\n\tw2  w3  w4\n\ttyp_obwiedni  T1  T2\n"
         "\tpA_cechowanie_mieszane\n\ttyp_pot_absorb  Uo_abs  a_abs\n\tUor_abs  Nr_abs  Ni_abs\n"
         "\tnieliniowosc_SN\n\tv_save  e_save";
  out << "\n\t\ttyp_potencjalu:\n\t\t\t0 - brak potencjalu\n\t\t\t1 - studnia potencjalu\n"
         "\t\t\t2 - atom rochesterowski\n\t\t\t3 - bariera (schodek)\n\t\ttyp_pot_absorb:\n"
         "\t\t\t0 - brak potencjalu absorbujacego\n\t\t\t1 - ujemny potencjal urojony NIP-Kosloff\n"
         "\t\t\t2 - ujemny potencjal zespolony NIP/NCP-power\n\t\tty_obwiedni:\n\t\t\t0 - prostokatna\n"
         "\t\t\t1 - trapez\n\t\t\t2 - sinus kwadrat\n\t\t\t3 - eksponencjalna\n\t\t\t4 - impulsy prostokatne\n"
         "\tW cechowaniu dE pole E(x,t)=Eo*f(t)*cos(w*t-k*x+phi+w2*t^2+w3*sin(w4*t)).\n"
         "\tUwaga! Parametry studni potencjalu dla ktorej moze byc obliczany \n"
         "\tstan poczatkowy zdefiniowane sa niezaleznie.\n\n";
  out << "Plik wskazany przez opcje -pnnn uruchomienia programu zawiera inne\n"
         "niz domyslne nazwy plikow parametrow (w powyzszej kolejnosci)\n";
}

#include "parameter_summary.h"

#include "wizard_numbers.h"
#include "parameter_files.h"
#include "wizard_parameters.h"

namespace {

constexpr double pi = 3.141592653589793;
constexpr double speed_of_light = 137.036;  // atomic units
constexpr int longest_file_name = 1000;     // bytes of the core's name buffers

QString real(double value) { return RealToText(value); }
QString integer(int value) { return QString::number(value); }

// A name box's text, marked when it holds the working file's own name.
QString copy_name(const QString& name, const QString& working_name) {
  return name == working_name ? name + QStringLiteral(" (plik domyślny)") : name;
}

QString initial_state_text(const WizardParameters& v) {
  switch (v.typ_funkcji_pocz) {
    case 0: return QStringLiteral("czytana z pliku: ") + v.nazwa_pliku;
    case 1: return QStringLiteral("gauss");
    case 2: return QStringLiteral("stan wlasny studni");
    case 3: return QStringLiteral("metoda strzalow");
    default: return QStringLiteral("zle okreslony");
  }
}

QString name_of(int index, const QStringList& names) {
  return index >= 0 && index < names.size() ? names[index] : QStringLiteral("zle okreslony");
}

void add_grid(QStringList& lines, const WizardParameters& v) {
  lines << QString() << QStringLiteral("Parametry siatki:")
        << QStringLiteral("x:  ilosc wezlow=") + integer(v.xdim) + QStringLiteral(", xmin=") + real(v.xmin) +
               QStringLiteral(", xmax=") + real(v.xmax) + QStringLiteral(", dx=") + real(v.dx)
        << QStringLiteral("t:  ilosc wezlow=") + integer(v.tdim) + QStringLiteral(", tmin=") + real(v.tmin) +
               QStringLiteral(", tmax=") + real(v.tmax) + QStringLiteral(", dt=") + real(v.dt);
}

void add_initial_state(QStringList& lines, const WizardParameters& v) {
  lines << QString() << QStringLiteral("Parametry początkowej funkcji początkowej:")
        << QStringLiteral("Funkcja falowa Psi(x,t=0): ") + initial_state_text(v);
  if (v.typ_funkcji_pocz == 1)
    lines << QStringLiteral("xo=") + real(v.x0) + QStringLiteral(", a=") + real(v.packet_width) +
                 QStringLiteral(", k=") + real(v.k0);
  else if (v.typ_funkcji_pocz == 2 || v.typ_funkcji_pocz == 3)
    lines << QStringLiteral("Vo=") + real(v.Vo) + QStringLiteral(", a=") + real(v.a) + QStringLiteral(", n=") +
                 integer(v.n);
  lines << QStringLiteral("Ilość punktów czasowych pomiędzy zapisem do pliku: ")
        << QStringLiteral("Funkcji: ") + integer(v.co_ile_krokow_zapis_funkcji)
        << QStringLiteral("Wykresow: ") + integer(v.co_ile_krokow_zapis_wykresu)
        << QStringLiteral("FFT: ") + integer(v.co_ile_krokow_zapis_fft)
        << QStringLiteral("Offset: ") + integer(v.przesuniecie)
        << QStringLiteral("Rzutowanie na dodatkowy plik ") +
               (v.rzutuj_na_plik ? QStringLiteral("wlaczone (") + v.rzutuj_nazwa_pliku + QStringLiteral(")")
                                 : QStringLiteral("wylaczone"));
}

void add_equation(QStringList& lines, const WizardParameters& v) {
  static const QStringList potentials{QStringLiteral("brak potencjalu"), QStringLiteral("studnia potencjalu"),
                                      QStringLiteral("atom rochesterowski"), QStringLiteral("bariera (schodek)")};
  static const QStringList envelopes{QStringLiteral("prostokatna"), QStringLiteral("trapez"),
                                     QStringLiteral("sinus kwadrat"), QStringLiteral("eksponencjalna"),
                                     QStringLiteral("impulsy prostokatne")};
  static const QStringList absorbers{QStringLiteral("brak pot. absorb."), QStringLiteral("NIP-Kosloff"),
                                     QStringLiteral("NIP/NCP-power")};
  lines << QString() << QStringLiteral("Parametry potencjału i cechowania:")
        << QStringLiteral("Potencjal wiazacy V(x,t): ") + name_of(v.typ_potencjalu, potentials) +
               QStringLiteral(", Vo=") + real(v.Vo) + QStringLiteral(", a=") + real(v.a)
        << QStringLiteral("Pole zewnetrzne E(x,t): Ec=") + real(v.Ec) + QStringLiteral(", Eo=") + real(v.Eo) +
               QStringLiteral(", w=") + real(v.w) + QStringLiteral(", k=") + real(v.k) + QStringLiteral(", phi=") +
               real(v.phi)
        << QStringLiteral("w2=") + real(v.w2) + QStringLiteral(", w3=") + real(v.w3) + QStringLiteral(", w4=") +
               real(v.w4)
        << QStringLiteral("Obwiednia impulsu f(t): ") + name_of(v.typ_obwiedni, envelopes) + QStringLiteral(", T1=") +
               real(v.T1) + QStringLiteral(", T2=") + real(v.T2)
        << (v.pA_cechowanie_mieszane == 1
                ? QStringLiteral("Cechowanie mieszane wlaczone (ignorowane przy wyborze cechowania dE)")
                : QStringLiteral("Cechowanie mieszane wylaczone"))
        << QStringLiteral("Potencjal absorbujacy U_abs(x,t): ") + name_of(v.typ_pot_absorb, absorbers) +
               QStringLiteral(", Uo_abs=") + real(v.Uo_abs) + QStringLiteral(", a_abs=") + real(v.a_abs)
        << QStringLiteral("(par. dod. w NIP/NCP-power: Uor_abs=") + real(v.Uor_abs) + QStringLiteral(", Nr_abs=") +
               real(v.Nr_abs) + QStringLiteral(", Ni_abs=") + real(v.Ni_abs) + QStringLiteral(")")
        << QStringLiteral("Nieliniowosc SN=") + real(v.nieliniowosc_SN)
        << (v.v_save == 1 ? QStringLiteral("Potencjał zostanie zapisany do pliku: v(x).dat")
                          : QStringLiteral("Potencjał nie zostanie zapisany do pliku i pokazany na wykresie"))
        << (v.e_save == 1 ? QStringLiteral("Pole zewnętrzne zostanie zapisany do pliku: e(t).dat")
                          : QStringLiteral("Pole zewnętrzne nie zostanie zapisane do pliku"));
}

// Each group of tests appends its heading and the lines of the conditions
// that hold, in the table's order.
void test_grid(QStringList& lines, const WizardParameters& v) {
  lines << QStringLiteral("Test parametrów sieci...");
  if (v.xdim <= 1) lines << QStringLiteral("Błąd: Błędny wymiar sieci przestrzennej (xdim<=1)");
  if (!(v.xmax > v.xmin)) lines << QStringLiteral("Błąd: Błędny zakres sieci przestrzennej (xmax<=xmin)");
  if (v.tdim < 0) lines << QStringLiteral("Błąd: Błędny wymiar sieci czasowej (tmin<0)");
  if (!(v.tmax >= v.tmin)) lines << QStringLiteral("Błąd: Błędny zakres sieci czasowej (tmax<=tmin)");
  if (v.tdim == 0)
    lines << QStringLiteral(
        "Ostrzeżenie: Zerowy wymiar sieci czasowej (tdim=0). Program wykona jedynie obliczenia wstępne");
  if (!(v.dt > 0)) lines << QStringLiteral("Błąd: Błędny krok sieci czasowej (dt<=0)");
}

void test_initial_state(QStringList& lines, const WizardParameters& v) {
  lines << QStringLiteral("Test parametrów początkowej funkcji falowej...");
  const bool well_state = v.typ_funkcji_pocz == 2;
  if (v.typ_funkcji_pocz == 0 && v.nazwa_pliku.isEmpty())
    lines << QStringLiteral("Błąd: Brak nazwy pliku funkcji poczatkowej");
  if (v.x0 < v.xmin || v.x0 > v.xmax)
    lines << QStringLiteral(
        "Ostrzeżenie: Położenie funkcji początkowej (x0) wykracza poza zakres sieci (xmin lub xmax)");
  if (well_state && v.a > 0 && v.a < 3 * v.dx)
    lines << QStringLiteral(
        "Ostrzeżenie: Szerokość studni potencjału dla której obliczany jest stan własny jest mniejsza niż "
        "sześciokrotność kroku sieci przestrzennej (a<3dx)");
  if (well_state && v.a <= 0)
    lines << QStringLiteral("Błąd: Błędna szerokość studni potencjału dla której obliczany jest stan własny (a<=0)");
  if (well_state && v.Vo > 0) lines << QStringLiteral("Błąd: Bariera potencjału nie posiada stanów związanych (Uo<0)");
  if (well_state && v.Vo == 0)
    lines << QStringLiteral("Ostrzeżenie: Taki potencjał to żaden potencjał  - nie posiada stanów własnych (Uo=0)");
  if (v.co_ile_krokow_zapis_funkcji < 0)
    lines << QStringLiteral("Błąd: Błędna ilość kroków między zapisami pełnej funkcji (<0)");
  if (v.co_ile_krokow_zapis_wykresu < 0)
    lines << QStringLiteral("Błąd: Błędna ilość kroków między zapisami wykresu (<0)");
  if (v.tdim < v.co_ile_krokow_zapis_funkcji)
    lines << QStringLiteral(
        "Ostrzeżenie: Ilość kroków między zapisami pełnej funkcji jest większa niż wymiar czasowy sieci");
  if (v.tdim < v.co_ile_krokow_zapis_wykresu)
    lines << QStringLiteral("Ostrzeżenie: Ilość kroków między zapisami wykresu jest większa niż wymiar czasowy sieci");
  if (v.co_ile_krokow_zapis_funkcji != 0 && v.przesuniecie >= v.co_ile_krokow_zapis_funkcji)
    lines << QStringLiteral(
        "Ostrzeżenie: Przesunięcie zapisu jest większe niż lub równe ilości kroków między zapisami pełnej "
        "funkcji");
  if (v.co_ile_krokow_zapis_wykresu != 0 && v.przesuniecie >= v.co_ile_krokow_zapis_wykresu)
    lines << QStringLiteral(
        "Ostrzeżenie: Przesunięcie zapisu jest większe niż lub równe ilości kroków między zapisami wykresu");
  if (v.nazwa_pliku.contains(QLatin1Char(' ')))
    lines << QStringLiteral(
        "Błąd: Nazwa pliku funkcji początkowej zawiera spację i nie będzie prawidłowo odczytana przez program "
        "wykonujący obliczenia");
  // The core holds the name as the bytes the file carries (UTF-8), so a
  // name with Polish letters reaches the limit in fewer characters.
  if (v.nazwa_pliku.toUtf8().size() > longest_file_name)
    lines << QStringLiteral("Błąd: Nazwa pliku funkcji początkowej jest zbyt długa (maksymalna ilość znaków to ") +
                 integer(longest_file_name) + QStringLiteral(")");
}

void test_potential(QStringList& lines, const WizardParameters& v) {
  lines << QStringLiteral("Test równania Schroedingera (potencjał)...");
  const bool potential = v.typ_potencjalu != 0;
  if (potential && v.Vo > 0)
    lines << QStringLiteral("Ostrzeżenie: Potencjał ma dodatnią głębokość: bariera potencjału (Vo>0)");
  if (potential && v.typ_potencjalu == 1 && v.a > 0 && v.a < 3 * v.dx)
    lines << QStringLiteral(
        "Ostrzeżenie: Szerokość studni potencjału jest mniejsza niż sześciokrotność kroku sieci przestrzennej "
        "(a<3dx)");
  if (potential && v.a <= 0) lines << QStringLiteral("Błąd: Błędna szerokość studni potencjału (a<=0)");
  if (v.typ_potencjalu == 1 && v.typ_funkcji_pocz == 3)
    lines << QStringLiteral("Ostrzeżenie: Metoda strzałów nadaje się w zasadzie tylko do gładkich potencjałów");
  if (potential && v.Vo == 0)
    lines << QStringLiteral("Ostrzeżenie: Zamiast ustalać Vo=0 lepiej wybrać Brak potencjału - skróci to obliczenia");
}

void test_field(QStringList& lines, const WizardParameters& v) {
  lines << QStringLiteral("Test równania Schroedingera (pole zewnętrzne)...");
  if (v.w == 0 && v.Eo != 0)
    lines << QStringLiteral("Ostrzeżenie: Częstość jest równa zero (wx=0) - pole stałe w czasie");
  if (v.w != 0) {
    const double range = v.Eo / (v.w * v.w);
    const double speed = v.Eo / v.w;
    if (v.x0 + range > v.xmax || v.x0 - range < v.xmin)
      lines << QStringLiteral(
          "Ostrzeżenie: Zakres swobodnych oscylacji wykracza poza zakres sieci (x0-Eox/wx^2<xmin lub "
          "x0+Eox/wx^2>xmax)");
    if (speed > 0.1 * speed_of_light)
      lines << QStringLiteral(
          "Ostrzeżenie: Maksymalna predkosc swobodnej czastki klasycznej jest porównywalna do prędkości światła "
          "(Eox/wx>0.1c)");
    if (speed > pi / v.dx)
      lines << QStringLiteral(
          "Ostrzeżenie: Maksymalna predkosc swobodnej czastki klasycznej jest większa niż maksymalna prędkość "
          "dopuszczalna na sieci o tym kroku przestrzennym (Eox/wx>Pi/dx)");
  }
  if (v.typ_potencjalu != 0 && v.w * v.a > pi / 2)
    lines << QStringLiteral(
        "Ostrzeżenie: Wielkosc studni jest porównywalna z długością fali w kierunku x - przybliżenie dipolowe "
        "może nie mieć sensu");
  if (v.typ_potencjalu != 0 && (v.xmax - v.xmin) * v.w > 2 * pi)
    lines << QStringLiteral(
        "Ostrzeżenie: Zakres sieci x jest porównywalna z długością fali w kierunku x - przybliżenie dipolowe "
        "może nie mieć sensu");
}

void test_other(QStringList& lines, const WizardParameters& v) {
  lines << QStringLiteral("Test równania Schroedingera (inne)...");
  if (v.typ_pot_absorb == 0) return;
  if (v.Uo_abs == 0)
    lines << QStringLiteral(
        "Ostrzeżenie: Głębokość potencjału absorbującego jest równa zero (Uo_abs=0) - ze względu na koszt "
        "obliczeń lepiej wybrać Brak potencjału absorbującego");
  if (v.a_abs < 0)
    lines << QStringLiteral(
        "Ostrzeżenie: Zakres potencjału absorbującego jest ujemny (a_abs<0) - program zignoruje ten parametr i "
        "ustali brak potencjalu absorbującego");
  if (v.a_abs == 0)
    lines << QStringLiteral(
                 "Ostrzeżenie: Zakres potencjału absorbującego jest równy zero (a_abs=0) - ze względu na koszt "
                 "obliczeń lepiej wybrać Brak potencjału absorbującego")
          << QStringLiteral(
                 "Ostrzeżenie: Zakres potecjału absorbującego jest równa zero (a_abs_x=0) - ze względu na koszt "
                 "obliczeń i możliwość wystąpienia błędów lepiej wybrać Brak potencjału absorbującego");
  if (v.a_abs > 0 && v.a_abs < 5 * v.dx)
    lines << QStringLiteral("Ostrzeżenie: Zakres potecjału absorbującego obejmuje mniej niż pięć punktów sieci x");
}

}  // namespace

QStringList summary_lines(const WizardParameters& values, const saved_copies& copies, const QString& directory) {
  QStringList lines{QString(), QStringLiteral("Katalog uruchomienia aplikacji (miejsce zapisania plików z danymi):"),
                    directory};
  if (copies.save_to_files)
    lines << QString() << QStringLiteral("Zapis parametrów do plików: ")
          << QStringLiteral("Siatka: ") + copy_name(copies.grid_file, working_grid_file)
          << QStringLiteral("Funkcja początkowa: ") + copy_name(copies.wavefunction_file, working_wavefunction_file)
          << QStringLiteral("Potencjał i pole: ") + copy_name(copies.equation_file, working_equation_file);
  add_grid(lines, values);
  add_initial_state(lines, values);
  add_equation(lines, values);
  return lines;
}

QStringList parameter_test_lines(const WizardParameters& values) {
  QStringList lines{QString(), QStringLiteral("Przeprowadzam testy parametrów symulacji...")};
  test_grid(lines, values);
  test_initial_state(lines, values);
  test_potential(lines, values);
  test_field(lines, values);
  test_other(lines, values);
  lines << QStringLiteral("Testowanie parametrów zostało zakończone.") << QString();
  return lines;
}

// The summary page's texts: the summary of a parameter set and every line of
// the parameter tests, each produced by a set that triggers it.
#include <gtest/gtest.h>

#include <QLocale>

#include <functional>
#include <limits>

#include "parameter_summary.h"
#include "wizard_parameters.h"

namespace {

// Numbers as a point-separator system shows them.
class SummaryTest : public testing::Test {
 protected:
  void SetUp() override { QLocale::setDefault(QLocale::c()); }
  void TearDown() override { QLocale::setDefault(previous_); }

 private:
  QLocale previous_;
};

const QStringList headings{"Test parametrów sieci...", "Test parametrów początkowej funkcji falowej...",
                           "Test równania Schroedingera (potencjał)...",
                           "Test równania Schroedingera (pole zewnętrzne)...", "Test równania Schroedingera (inne)..."};

// The lines between the headings, i.e. only what the conditions added.
QStringList advice(const WizardParameters& values) {
  QStringList lines = parameter_test_lines(values);
  lines.removeFirst();
  lines.removeFirst();
  lines.removeLast();
  lines.removeLast();
  for (const QString& heading : headings) lines.removeOne(heading);
  return lines;
}

TEST_F(SummaryTest, SummaryOfTheStartValues) {
  const QStringList expected{"",
                             "Katalog uruchomienia aplikacji (miejsce zapisania plików z danymi):",
                             "/home/run",
                             "",
                             "Parametry siatki:",
                             "x:  ilosc wezlow=1024, xmin=-100, xmax=100, dx=0.195503421309873",
                             "t:  ilosc wezlow=1000, tmin=0, tmax=100, dt=0.1",
                             "",
                             "Parametry początkowej funkcji początkowej:",
                             "Funkcja falowa Psi(x,t=0): gauss",
                             "xo=0, a=0.5, k=0",
                             "Ilość punktów czasowych pomiędzy zapisem do pliku: ",
                             "Funkcji: 0",
                             "Wykresow: 5",
                             "FFT: 0",
                             "Offset: 0",
                             "Rzutowanie na dodatkowy plik wylaczone",
                             "",
                             "Parametry potencjału i cechowania:",
                             "Potencjal wiazacy V(x,t): brak potencjalu, Vo=0, a=0",
                             "Pole zewnetrzne E(x,t): Ec=0, Eo=0, w=0.1, k=0, phi=1.57",
                             "w2=0, w3=0, w4=0",
                             "Obwiednia impulsu f(t): prostokatna, T1=0, T2=0",
                             "Cechowanie mieszane wylaczone",
                             "Potencjal absorbujacy U_abs(x,t): brak pot. absorb., Uo_abs=1, a_abs=5",
                             "(par. dod. w NIP/NCP-power: Uor_abs=0, Nr_abs=0, Ni_abs=0)",
                             "Nieliniowosc SN=0",
                             "Potencjał zostanie zapisany do pliku: v(x).dat",
                             "Pole zewnętrzne nie zostanie zapisane do pliku"};
  EXPECT_EQ(summary_lines(WizardParameters{}, saved_copies{}, "/home/run"), expected);
}

TEST_F(SummaryTest, SavedCopiesAreListedAndWorkingNamesMarked) {
  const saved_copies copies{true, "1d-grid.par", "moja-psi.par", "1d-eq.par"};
  const QStringList lines = summary_lines(WizardParameters{}, copies, ".");
  const QStringList expected{"", "Zapis parametrów do plików: ", "Siatka: 1d-grid.par (plik domyślny)",
                             "Funkcja początkowa: moja-psi.par", "Potencjał i pole: 1d-eq.par (plik domyślny)"};
  EXPECT_EQ(lines.mid(3, 5), expected);
}

TEST_F(SummaryTest, InitialStatesPotentialsAndSwitches) {
  WizardParameters values;
  values.typ_funkcji_pocz = 0;
  values.nazwa_pliku = "start.dat";
  values.typ_potencjalu = 3;
  values.Vo = 2.5;
  values.a = 1.25;
  values.typ_obwiedni = 4;
  values.pA_cechowanie_mieszane = 1;
  values.typ_pot_absorb = 2;
  values.rzutuj_na_plik = 1;
  values.rzutuj_nazwa_pliku = "rzut.dat";
  values.v_save = 0;
  values.e_save = 1;
  QStringList lines = summary_lines(values, saved_copies{}, ".");
  EXPECT_TRUE(lines.contains("Funkcja falowa Psi(x,t=0): czytana z pliku: start.dat"));
  EXPECT_EQ(lines[lines.indexOf("Funkcja falowa Psi(x,t=0): czytana z pliku: start.dat") + 1],
            "Ilość punktów czasowych pomiędzy zapisem do pliku: ");  // no parameter line for a file
  EXPECT_TRUE(lines.contains("Rzutowanie na dodatkowy plik wlaczone (rzut.dat)"));
  EXPECT_TRUE(lines.contains("Potencjal wiazacy V(x,t): bariera (schodek), Vo=2.5, a=1.25"));
  EXPECT_TRUE(lines.contains("Obwiednia impulsu f(t): impulsy prostokatne, T1=0, T2=0"));
  EXPECT_TRUE(lines.contains("Cechowanie mieszane wlaczone (ignorowane przy wyborze cechowania dE)"));
  EXPECT_TRUE(lines.contains("Potencjal absorbujacy U_abs(x,t): NIP/NCP-power, Uo_abs=1, a_abs=5"));
  EXPECT_TRUE(lines.contains("Potencjał nie zostanie zapisany do pliku i pokazany na wykresie"));
  EXPECT_TRUE(lines.contains("Pole zewnętrzne zostanie zapisany do pliku: e(t).dat"));

  values.typ_funkcji_pocz = 3;
  values.n = 2;
  lines = summary_lines(values, saved_copies{}, ".");
  EXPECT_TRUE(lines.contains("Funkcja falowa Psi(x,t=0): metoda strzalow"));
  EXPECT_TRUE(lines.contains("Vo=2.5, a=1.25, n=2"));
  values.typ_funkcji_pocz = 2;
  EXPECT_TRUE(summary_lines(values, saved_copies{}, ".").contains("Funkcja falowa Psi(x,t=0): stan wlasny studni"));
}

TEST_F(SummaryTest, NumbersUseTheLocaleSeparator) {
  QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
  EXPECT_TRUE(summary_lines(WizardParameters{}, saved_copies{}, ".")
                  .contains("t:  ilosc wezlow=1000, tmin=0, tmax=100, dt=0,1"));
}

TEST_F(SummaryTest, StartValuesPassEveryTest) {
  const QStringList lines = parameter_test_lines(WizardParameters{});
  QStringList expected{"", "Przeprowadzam testy parametrów symulacji..."};
  expected << headings << "Testowanie parametrów zostało zakończone."
           << "";
  EXPECT_EQ(lines, expected);
}

struct triggered_line {
  const char* line;
  std::function<void(WizardParameters&)> change;
};

TEST_F(SummaryTest, EveryTestLineHasItsTrigger) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<triggered_line> cases{
      {"Błąd: Błędny wymiar sieci przestrzennej (xdim<=1)", [](auto& v) { v.xdim = 1; }},
      {"Błąd: Błędny zakres sieci przestrzennej (xmax<=xmin)", [](auto& v) { v.xmax = v.xmin; }},
      {"Błąd: Błędny zakres sieci przestrzennej (xmax<=xmin)", [&](auto& v) { v.xmax = nan; }},
      {"Błąd: Błędny wymiar sieci czasowej (tmin<0)", [](auto& v) { v.tdim = -1; }},
      {"Błąd: Błędny zakres sieci czasowej (tmax<=tmin)", [](auto& v) { v.tmax = -1; }},
      {"Ostrzeżenie: Zerowy wymiar sieci czasowej (tdim=0). Program wykona jedynie obliczenia wstępne",
       [](auto& v) { v.tdim = 0; }},
      {"Błąd: Błędny krok sieci czasowej (dt<=0)", [](auto& v) { v.dt = 0; }},
      {"Błąd: Błędny krok sieci czasowej (dt<=0)", [&](auto& v) { v.dt = nan; }},
      {"Błąd: Brak nazwy pliku funkcji poczatkowej",
       [](auto& v) {
         v.typ_funkcji_pocz = 0;
         v.nazwa_pliku.clear();
       }},
      {"Ostrzeżenie: Położenie funkcji początkowej (x0) wykracza poza zakres sieci (xmin lub xmax)",
       [](auto& v) { v.x0 = 100.5; }},
      {"Ostrzeżenie: Położenie funkcji początkowej (x0) wykracza poza zakres sieci (xmin lub xmax)",
       [](auto& v) { v.x0 = -100.5; }},
      {"Ostrzeżenie: Szerokość studni potencjału dla której obliczany jest stan własny jest mniejsza niż "
       "sześciokrotność kroku sieci przestrzennej (a<3dx)",
       [](auto& v) {
         v.typ_funkcji_pocz = 2;
         v.a = 0.5;  // dx is about 0.1955
         v.Vo = -1;
       }},
      {"Błąd: Błędna szerokość studni potencjału dla której obliczany jest stan własny (a<=0)",
       [](auto& v) {
         v.typ_funkcji_pocz = 2;
         v.Vo = -1;
       }},
      {"Błąd: Bariera potencjału nie posiada stanów związanych (Uo<0)",
       [](auto& v) {
         v.typ_funkcji_pocz = 2;
         v.a = 2;
         v.Vo = 1;
       }},
      {"Ostrzeżenie: Taki potencjał to żaden potencjał  - nie posiada stanów własnych (Uo=0)",
       [](auto& v) {
         v.typ_funkcji_pocz = 2;
         v.a = 2;
       }},
      {"Błąd: Błędna ilość kroków między zapisami pełnej funkcji (<0)", [](auto& v) { v.co_ile_krokow_zapis_funkcji = -1; }},
      {"Błąd: Błędna ilość kroków między zapisami wykresu (<0)", [](auto& v) { v.co_ile_krokow_zapis_wykresu = -1; }},
      {"Ostrzeżenie: Ilość kroków między zapisami pełnej funkcji jest większa niż wymiar czasowy sieci",
       [](auto& v) { v.co_ile_krokow_zapis_funkcji = 1001; }},
      {"Ostrzeżenie: Ilość kroków między zapisami wykresu jest większa niż wymiar czasowy sieci",
       [](auto& v) { v.co_ile_krokow_zapis_wykresu = 1001; }},
      {"Ostrzeżenie: Przesunięcie zapisu jest większe niż lub równe ilości kroków między zapisami pełnej funkcji",
       [](auto& v) {
         v.co_ile_krokow_zapis_funkcji = 10;
         v.przesuniecie = 10;
       }},
      {"Ostrzeżenie: Przesunięcie zapisu jest większe niż lub równe ilości kroków między zapisami wykresu",
       [](auto& v) { v.przesuniecie = 5; }},
      {"Błąd: Nazwa pliku funkcji początkowej zawiera spację i nie będzie prawidłowo odczytana przez program "
       "wykonujący obliczenia",
       [](auto& v) { v.nazwa_pliku = "moja funkcja.dat"; }},
      {"Błąd: Nazwa pliku funkcji początkowej jest zbyt długa (maksymalna ilość znaków to 1000)",
       [](auto& v) { v.nazwa_pliku = QString(1001, 'f'); }},
      {"Ostrzeżenie: Potencjał ma dodatnią głębokość: bariera potencjału (Vo>0)",
       [](auto& v) {
         v.typ_potencjalu = 1;
         v.Vo = 1;
         v.a = 2;
       }},
      {"Ostrzeżenie: Szerokość studni potencjału jest mniejsza niż sześciokrotność kroku sieci przestrzennej (a<3dx)",
       [](auto& v) {
         v.typ_potencjalu = 1;
         v.Vo = -1;
         v.a = 0.5;
       }},
      {"Błąd: Błędna szerokość studni potencjału (a<=0)",
       [](auto& v) {
         v.typ_potencjalu = 3;  // the step, whose width slider is hidden
         v.Vo = 1;
       }},
      {"Ostrzeżenie: Metoda strzałów nadaje się w zasadzie tylko do gładkich potencjałów",
       [](auto& v) {
         v.typ_potencjalu = 1;
         v.Vo = -1;
         v.a = 2;
         v.typ_funkcji_pocz = 3;
       }},
      {"Ostrzeżenie: Zamiast ustalać Vo=0 lepiej wybrać Brak potencjału - skróci to obliczenia",
       [](auto& v) {
         v.typ_potencjalu = 2;
         v.a = 2;
       }},
      {"Ostrzeżenie: Częstość jest równa zero (wx=0) - pole stałe w czasie",
       [](auto& v) {
         v.w = 0;
         v.Eo = 1;
       }},
      {"Ostrzeżenie: Zakres swobodnych oscylacji wykracza poza zakres sieci (x0-Eox/wx^2<xmin lub x0+Eox/wx^2>xmax)",
       [](auto& v) { v.Eo = 1.01; }},  // 101 beyond 100
      {"Ostrzeżenie: Maksymalna predkosc swobodnej czastki klasycznej jest porównywalna do prędkości światła "
       "(Eox/wx>0.1c)",
       [](auto& v) {
         v.Eo = 1.4;
         v.w = 0.1;
         v.xmin = -1000;
         v.xmax = 1000;
         v.dx = 0.01;
       }},
      {"Ostrzeżenie: Maksymalna predkosc swobodnej czastki klasycznej jest większa niż maksymalna prędkość "
       "dopuszczalna na sieci o tym kroku przestrzennym (Eox/wx>Pi/dx)",
       [](auto& v) {
         v.Eo = 0.5;
         v.w = 0.1;  // Eo/w = 5 > pi/dx for dx = 1
         v.dx = 1;
       }},
      {"Ostrzeżenie: Wielkosc studni jest porównywalna z długością fali w kierunku x - przybliżenie dipolowe może "
       "nie mieć sensu",
       [](auto& v) {
         v.typ_potencjalu = 1;
         v.Vo = -1;
         v.a = 20;  // w a = 2 > pi/2
       }},
      {"Ostrzeżenie: Zakres sieci x jest porównywalna z długością fali w kierunku x - przybliżenie dipolowe może "
       "nie mieć sensu",
       [](auto& v) {
         v.typ_potencjalu = 1;
         v.Vo = -1;
         v.a = 2;  // 200 * 0.1 = 20 > 2 pi
       }},
      {"Ostrzeżenie: Głębokość potencjału absorbującego jest równa zero (Uo_abs=0) - ze względu na koszt obliczeń "
       "lepiej wybrać Brak potencjału absorbującego",
       [](auto& v) {
         v.typ_pot_absorb = 1;
         v.Uo_abs = 0;
       }},
      {"Ostrzeżenie: Zakres potencjału absorbującego jest ujemny (a_abs<0) - program zignoruje ten parametr i "
       "ustali brak potencjalu absorbującego",
       [](auto& v) {
         v.typ_pot_absorb = 1;
         v.a_abs = -1;
       }},
      {"Ostrzeżenie: Zakres potencjału absorbującego jest równy zero (a_abs=0) - ze względu na koszt obliczeń "
       "lepiej wybrać Brak potencjału absorbującego",
       [](auto& v) {
         v.typ_pot_absorb = 1;
         v.a_abs = 0;
       }},
      {"Ostrzeżenie: Zakres potecjału absorbującego jest równa zero (a_abs_x=0) - ze względu na koszt obliczeń i "
       "możliwość wystąpienia błędów lepiej wybrać Brak potencjału absorbującego",
       [](auto& v) {
         v.typ_pot_absorb = 1;
         v.a_abs = 0;
       }},
      {"Ostrzeżenie: Zakres potecjału absorbującego obejmuje mniej niż pięć punktów sieci x",
       [](auto& v) {
         v.typ_pot_absorb = 1;
         v.a_abs = 0.5;
       }},
  };
  for (const triggered_line& test : cases) {
    WizardParameters values;
    test.change(values);
    EXPECT_TRUE(advice(values).contains(QString::fromUtf8(test.line))) << test.line << "\n"
                                                                       << advice(values).join('\n').toStdString();
    EXPECT_FALSE(advice(WizardParameters{}).contains(QString::fromUtf8(test.line))) << test.line;
  }
}

TEST_F(SummaryTest, LongNameIsMeasuredInTheBytesTheFileCarries) {
  const QString line = "Błąd: Nazwa pliku funkcji początkowej jest zbyt długa (maksymalna ilość znaków to 1000)";
  WizardParameters values;
  values.nazwa_pliku = QString(501, QChar(u'ś'));  // 501 letters, 1002 bytes
  EXPECT_TRUE(advice(values).contains(line));
  values.nazwa_pliku = QString(500, QChar(u'ś'));
  EXPECT_FALSE(advice(values).contains(line));
}

TEST_F(SummaryTest, LinesComeInTheirGroupsAndOrder) {
  WizardParameters values;
  values.xdim = 0;
  values.xmin = values.xmax = 0;
  values.tdim = 0;
  values.tmax = values.tmin;
  values.dt = 0;
  values.typ_pot_absorb = 1;
  values.Uo_abs = 0;
  values.a_abs = 0;
  const QStringList lines = parameter_test_lines(values);
  const QStringList expected{
      "",
      "Przeprowadzam testy parametrów symulacji...",
      "Test parametrów sieci...",
      "Błąd: Błędny wymiar sieci przestrzennej (xdim<=1)",
      "Błąd: Błędny zakres sieci przestrzennej (xmax<=xmin)",
      "Ostrzeżenie: Zerowy wymiar sieci czasowej (tdim=0). Program wykona jedynie obliczenia wstępne",
      "Błąd: Błędny krok sieci czasowej (dt<=0)",
      "Test parametrów początkowej funkcji falowej...",
      "Ostrzeżenie: Ilość kroków między zapisami wykresu jest większa niż wymiar czasowy sieci",
      "Test równania Schroedingera (potencjał)...",
      "Test równania Schroedingera (pole zewnętrzne)...",
      "Test równania Schroedingera (inne)...",
      "Ostrzeżenie: Głębokość potencjału absorbującego jest równa zero (Uo_abs=0) - ze względu na koszt obliczeń "
      "lepiej wybrać Brak potencjału absorbującego",
      "Ostrzeżenie: Zakres potencjału absorbującego jest równy zero (a_abs=0) - ze względu na koszt obliczeń "
      "lepiej wybrać Brak potencjału absorbującego",
      "Ostrzeżenie: Zakres potecjału absorbującego jest równa zero (a_abs_x=0) - ze względu na koszt obliczeń i "
      "możliwość wystąpienia błędów lepiej wybrać Brak potencjału absorbującego",
      "Testowanie parametrów zostało zakończone.",
      ""};
  EXPECT_EQ(lines, expected);
}

}  // namespace

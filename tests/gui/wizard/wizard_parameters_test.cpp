// The wizard's parameter handlers: start values, the potential buttons, the
// sliders and boxes with their read-outs, conversion errors and the locale.
#include <QCheckBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "dialog_recorder.h"
#include "func_graph.h"
#include "main_form.h"
#include "plot_form.h"
#include "plot_windows.h"
#include "time_plot_form.h"

namespace {

std::string text(const QLabel* label) { return label->text().toStdString(); }

// Shown to the wizard, not necessarily on screen (the window is not shown).
bool shown(const QWidget* widget) { return !widget->isHidden(); }

class locale_as {
 public:
  explicit locale_as(const QLocale& locale) { QLocale::setDefault(locale); }
  ~locale_as() { QLocale::setDefault(previous_); }

 private:
  QLocale previous_;
};

void leave(QLineEdit* box, Qt::FocusReason reason = Qt::TabFocusReason) {
  QFocusEvent out(QEvent::FocusOut, reason);
  QCoreApplication::sendEvent(box, &out);
}

class WizardParametersTest : public testing::Test {
 protected:
  locale_as c_locale{QLocale::c()};
  dialog_recorder boxes;
  TMainForm form;
  WizardParameters& p = form.Parameters;
};

TEST_F(WizardParametersTest, StartValues) {
  EXPECT_EQ(p.typ_potencjalu, 0);
  EXPECT_EQ(p.potential_sign, 0);
  EXPECT_EQ(p.Vo, 0.0);
  EXPECT_EQ(text(form.Label30), "brak");
  EXPECT_FALSE(shown(form.TrackBar7));
  EXPECT_FALSE(shown(form.Label24));
  EXPECT_FALSE(shown(form.TrackBar8));
  EXPECT_FALSE(shown(form.Label25));
  EXPECT_EQ(text(form.Label25), "Szerokość  (a = 0)");  // its handler has not run yet

  EXPECT_EQ(p.typ_funkcji_pocz, 1);
  EXPECT_TRUE(shown(form.Panel3));
  EXPECT_FALSE(shown(form.Panel4));
  EXPECT_FALSE(shown(form.Panel5));
  EXPECT_FALSE(form.UseWellParameters);
  EXPECT_EQ(p.x0, 0.0);
  EXPECT_DOUBLE_EQ(p.packet_width, 0.5);
  EXPECT_EQ(p.k0, 0.0);
  EXPECT_EQ(text(form.Label1), "Położenie  (x0 = 0)");
  EXPECT_EQ(text(form.Label3), "Szerokość  (a = 0.5)");
  EXPECT_EQ(text(form.Label2), "Pęd  (k = 0)");
  EXPECT_EQ(p.nazwa_pliku, "brak");
  EXPECT_EQ(p.n, 1);

  EXPECT_DOUBLE_EQ(p.w, 0.1);
  EXPECT_DOUBLE_EQ(p.phi, 1.57);
  EXPECT_EQ(p.Eo, 0.0);
  EXPECT_EQ(text(form.Label42), "0");
  EXPECT_EQ(text(form.Label37), "0.1");
  EXPECT_EQ(text(form.Label38), "1.57");
  for (double t : {0.0, 1.0, 10.0, 31.4, 62.8}) {
    double y = 5;
    bool visible = true;
    form.PulseGraphUserFunc(t, y, visible);
    EXPECT_EQ(y, 0.0) << t;
    EXPECT_TRUE(visible);
  }

  EXPECT_EQ(p.xdim, 1024);
  EXPECT_DOUBLE_EQ(p.dx, 200.0 / 1023.0);
  EXPECT_EQ(text(form.Label35), "0.195503421309873");
  EXPECT_EQ(p.tdim, 1000);
  EXPECT_DOUBLE_EQ(p.tmax, 100.0);
  EXPECT_EQ(text(form.Label40), "100");
  EXPECT_EQ(p.co_ile_krokow_zapis_wykresu, 5);
  EXPECT_EQ(p.co_ile_krokow_zapis_funkcji, 0);  // until Edit4 is left once
  EXPECT_EQ(p.przesuniecie, 0);

  EXPECT_EQ(p.typ_pot_absorb, 0);
  EXPECT_FALSE(shown(form.Panel6));
  EXPECT_DOUBLE_EQ(p.a_abs, 5.0);
  EXPECT_DOUBLE_EQ(p.Uo_abs, 1.0);
  EXPECT_EQ(text(form.Label64), "Współczynnik (wartość: 1)");
  EXPECT_EQ(p.v_save, 1);
  EXPECT_EQ(p.e_save, 0);
  EXPECT_EQ(p.rzutuj_nazwa_pliku, "brak");
  EXPECT_DOUBLE_EQ(p.grid_version, 1.0);
  EXPECT_TRUE(boxes.messages.isEmpty());
}

TEST_F(WizardParametersTest, PotentialButtonsSetTypeSignAndCaptions) {
  form.SpeedButton2->click();
  form.TrackBar7->setValue(35);
  EXPECT_EQ(p.typ_potencjalu, 1);
  EXPECT_DOUBLE_EQ(p.Vo, 3.5);
  EXPECT_EQ(text(form.Label30), "\"klocek\"");
  EXPECT_EQ(text(form.Label24), "Wysokość   (Vo = 3.5)");
  EXPECT_EQ(text(form.Label61), "Wysokość  Vo=3.5");
  EXPECT_TRUE(shown(form.TrackBar7) && shown(form.TrackBar8));

  form.SpeedButton1->click();
  EXPECT_TRUE(form.SpeedButton1->isChecked());
  EXPECT_FALSE(form.SpeedButton2->isChecked());
  EXPECT_DOUBLE_EQ(p.Vo, -3.5);
  EXPECT_EQ(text(form.Label30), "studnia");
  EXPECT_EQ(text(form.Label24), "Głębokość  (Vo = 3.5)");
  EXPECT_EQ(text(form.Label61), "Głębokość Vo=-3.5");

  form.TrackBar8->setValue(20);
  form.SpeedButton3->click();
  EXPECT_EQ(p.typ_potencjalu, 3);
  EXPECT_EQ(text(form.Label30), "próg");
  EXPECT_TRUE(shown(form.TrackBar7));
  EXPECT_FALSE(shown(form.TrackBar8));
  EXPECT_FALSE(shown(form.Label25));
  EXPECT_DOUBLE_EQ(p.a, 2.0);  // the hidden width stays

  form.SpeedButton4->click();
  EXPECT_EQ(p.typ_potencjalu, 2);
  EXPECT_EQ(p.potential_sign, -1);
  EXPECT_EQ(text(form.Label30), "atom");
  EXPECT_TRUE(shown(form.TrackBar8));

  form.SpeedButton5->click();
  EXPECT_EQ(p.Vo, 0.0);  // no potential: the slider's position no longer counts
  EXPECT_EQ(form.TrackBar7->value(), 35);
  EXPECT_FALSE(shown(form.TrackBar7));
}

TEST_F(WizardParametersTest, InitialStateChoosesPanelAndWellParameters) {
  form.SpeedButton1->click();
  form.TrackBar7->setValue(12);
  form.TrackBar8->setValue(30);
  EXPECT_EQ(text(form.Label25), "Szerokość  (a = 3)");
  EXPECT_EQ(text(form.Label60), "Szerokość a=3");

  form.ListBox1->setCurrentRow(2);
  EXPECT_EQ(p.typ_funkcji_pocz, 2);
  EXPECT_TRUE(form.UseWellParameters);
  EXPECT_TRUE(shown(form.Panel5));
  EXPECT_FALSE(shown(form.Panel3));
  EXPECT_EQ(text(form.Label60), "szerokość a=3");
  EXPECT_EQ(text(form.Label61), "głębokość Vo=-1.2");

  form.ListBox1->setCurrentRow(0);
  EXPECT_FALSE(form.UseWellParameters);
  EXPECT_TRUE(shown(form.Panel4));
  EXPECT_FALSE(shown(form.Panel5));
  form.Edit12->setText(QStringLiteral("psi_stop.dat"));
  EXPECT_EQ(p.nazwa_pliku, "brak");  // taken when the box is left
  leave(form.Edit12);
  EXPECT_EQ(p.nazwa_pliku, "psi_stop.dat");

  form.ListBox1->setCurrentRow(3);
  EXPECT_EQ(p.typ_funkcji_pocz, 3);
  EXPECT_TRUE(form.UseWellParameters);

  form.TrackBar1->setValue(-255);
  form.TrackBar3->setValue(17);
  form.TrackBar2->setValue(-40);
  EXPECT_DOUBLE_EQ(p.x0, -25.5);
  EXPECT_DOUBLE_EQ(p.packet_width, 1.7);
  EXPECT_DOUBLE_EQ(p.k0, -4.0);
  EXPECT_EQ(text(form.Label1), "Położenie  (x0 = -25.5)");
  EXPECT_EQ(text(form.Label3), "Szerokość  (a = 1.7)");
  EXPECT_EQ(text(form.Label2), "Pęd  (k = -4)");
}

TEST_F(WizardParametersTest, PulseSlidersAndPreview) {
  form.TrackBar4->setValue(100);
  form.TrackBar5->setValue(250);
  form.TrackBar6->setValue(-63);
  form.TrackBar9->setValue(2);
  form.TrackBar10->setValue(30);
  form.TrackBar11->setValue(400);
  EXPECT_DOUBLE_EQ(p.Eo, 1.0);
  EXPECT_DOUBLE_EQ(p.w, 0.5);
  EXPECT_DOUBLE_EQ(p.phi, -0.63);
  EXPECT_DOUBLE_EQ(p.w2, 0.02);
  EXPECT_DOUBLE_EQ(p.w3, 0.3);
  EXPECT_DOUBLE_EQ(p.w4, 4.0);
  EXPECT_EQ(text(form.Label36), "1");
  EXPECT_EQ(text(form.Label38), "-0.63");
  EXPECT_EQ(text(form.Label48), "0.02");
  EXPECT_EQ(text(form.Label51), "0.3");
  EXPECT_EQ(text(form.Label54), "4");
  EXPECT_EQ(text(form.Label42), "4");  // Eo / w^2
  for (double t : {0.0, 2.5, 40.0}) {
    double y = 0;
    bool visible = true;
    form.PulseGraphUserFunc(t, y, visible);
    EXPECT_DOUBLE_EQ(y, std::cos(0.5 * t - 0.63 + 0.02 * t * t + 0.3 * std::sin(4.0 * t))) << t;
  }

  form.TrackBar5->setValue(0);
  EXPECT_EQ(p.w, 0.0);
  EXPECT_EQ(text(form.Label42), "-");
}

TEST_F(WizardParametersTest, SpaceGridBoxes) {
  form.Edit1->setText(QStringLiteral("101"));
  form.Edit2->setText(QStringLiteral("-5"));
  form.Edit3->setText(QStringLiteral("5"));
  EXPECT_EQ(p.xdim, 101);
  EXPECT_DOUBLE_EQ(p.dx, 0.1);
  EXPECT_EQ(text(form.Label35), "0.1");
  EXPECT_EQ(text(form.Label41), "31.4159265358979");

  form.Edit1->setText(QStringLiteral("256.9"));  // counts are truncated
  EXPECT_EQ(p.xdim, 256);
  const double dx = p.dx;
  form.Edit1->setText(QStringLiteral("1"));  // too few points: dx stays
  EXPECT_EQ(p.xdim, 1);
  EXPECT_EQ(p.dx, dx);
  form.Edit1->clear();
  EXPECT_EQ(form.Edit1->text(), "0");
  EXPECT_EQ(p.xdim, 0);
  EXPECT_EQ(p.dx, dx);
  form.Edit1->setText(QStringLiteral("1e20"));  // kept inside the integer range
  EXPECT_EQ(p.xdim, INT_MAX);
  form.Edit1->setText(QStringLiteral("-1e20"));
  EXPECT_EQ(p.xdim, INT_MIN);
  EXPECT_TRUE(boxes.messages.isEmpty());
}

TEST_F(WizardParametersTest, ConversionErrorStopsAtTheBadBox) {
  form.Edit2->setText(QStringLiteral("-50"));
  ASSERT_DOUBLE_EQ(p.xmin, -50.0);
  form.Edit3->setText(QStringLiteral("duzo"));
  ASSERT_EQ(boxes.messages.size(), 1);
  EXPECT_EQ(boxes.messages[0], "'duzo' nie jest poprawną wartością liczbową");
  EXPECT_DOUBLE_EQ(p.xmax, 100.0);
  form.Edit1->setText(QStringLiteral("2001"));  // converted before the bad box
  EXPECT_EQ(p.xdim, 2001);
  EXPECT_DOUBLE_EQ(p.dx, 150.0 / 1023.0);  // not recomputed past the bad box
  EXPECT_EQ(boxes.messages.size(), 2);

  form.Edit4->setText(QStringLiteral("2.5"));
  leave(form.Edit4);
  ASSERT_EQ(boxes.messages.size(), 3);
  EXPECT_EQ(boxes.messages[2], "'2.5' nie jest poprawną liczbą całkowitą");
  EXPECT_EQ(p.co_ile_krokow_zapis_wykresu, 5);
}

TEST_F(WizardParametersTest, TimeGridAcceptsBothSeparators) {
  form.Edit8->setText(QStringLiteral("0,05"));
  EXPECT_DOUBLE_EQ(p.dt, 0.05);
  form.Edit8->setText(QStringLiteral("0.05"));
  EXPECT_DOUBLE_EQ(p.dt, 0.05);
  EXPECT_DOUBLE_EQ(p.tmax, 50.0);

  form.Edit7->setText(QStringLiteral("3"));
  form.Edit6->clear();
  EXPECT_EQ(form.Edit6->text(), "0");
  EXPECT_EQ(p.tdim, 0);
  EXPECT_DOUBLE_EQ(p.tmax, p.tmin);
  EXPECT_EQ(text(form.Label40), "3");
  EXPECT_TRUE(boxes.messages.isEmpty());
}

TEST_F(WizardParametersTest, PolishLocaleReadsBothSeparatorsAndShowsComma) {
  locale_as polish{QLocale(QLocale::Polish, QLocale::Poland)};
  form.Edit8->setText(QStringLiteral("0.05"));
  EXPECT_DOUBLE_EQ(p.dt, 0.05);
  form.Edit8->setText(QStringLiteral("0,05"));
  EXPECT_DOUBLE_EQ(p.dt, 0.05);
  form.Edit7->setText(QStringLiteral("0,5"));
  EXPECT_EQ(text(form.Label40), "50,5");
  form.Edit6->setText(QStringLiteral("100000"));
  EXPECT_EQ(text(form.Label40), "5000,5");  // no digit grouping
  form.SpeedButton1->click();
  form.TrackBar7->setValue(35);
  EXPECT_EQ(text(form.Label61), "Głębokość Vo=-3,5");
  EXPECT_TRUE(boxes.messages.isEmpty());
}

TEST_F(WizardParametersTest, LeavingBoxesTakesTheirValues) {
  leave(form.Edit4, Qt::ActiveWindowFocusReason);  // another window: still in the box
  EXPECT_EQ(p.co_ile_krokow_zapis_funkcji, 0);
  leave(form.Edit4);  // left unchanged: both intervals follow the box
  EXPECT_EQ(p.co_ile_krokow_zapis_wykresu, 5);
  EXPECT_EQ(p.co_ile_krokow_zapis_funkcji, 5);
  form.Edit4->setText(QStringLiteral("20"));
  form.Edit5->setText(QStringLiteral("3"));
  leave(form.Edit4);
  leave(form.Edit5);
  EXPECT_EQ(p.co_ile_krokow_zapis_wykresu, 20);
  EXPECT_EQ(p.co_ile_krokow_zapis_funkcji, 20);
  EXPECT_EQ(p.przesuniecie, 3);

  form.Edit13->clear();
  leave(form.Edit13);
  EXPECT_EQ(form.Edit13->text(), "0");
  EXPECT_EQ(p.a_abs, 0.0);
  form.Edit13->setText(QStringLiteral("7,5"));
  leave(form.Edit13);
  EXPECT_DOUBLE_EQ(p.a_abs, 7.5);
}

TEST_F(WizardParametersTest, AbsorberSwitchAndStrength) {
  form.RadioButton6->setChecked(true);
  EXPECT_EQ(p.typ_pot_absorb, 1);
  EXPECT_TRUE(shown(form.Panel6));
  form.TrackBar12->setValue(35);
  EXPECT_DOUBLE_EQ(p.Uo_abs, 0.35);
  EXPECT_EQ(text(form.Label64), "Współczynnik (wartość: 0.35)");
  form.RadioButton7->setChecked(true);
  EXPECT_EQ(p.typ_pot_absorb, 0);
  EXPECT_FALSE(shown(form.Panel6));
}

TEST_F(WizardParametersTest, CheckBoxesShowAndHideThePlotWindows) {
  create_plot_windows(form, form.VersionText());
  form.AttachPlotWindows();
  ASSERT_TRUE(PlotForm && TimePlotForm);
  EXPECT_TRUE(PlotForm->isVisible());
  form.CheckBox2->setChecked(false);
  EXPECT_FALSE(PlotForm->isVisible());
  form.CheckBox2->setChecked(true);
  EXPECT_TRUE(PlotForm->isVisible());
  form.CheckBox3->setChecked(false);
  EXPECT_FALSE(TimePlotForm->isVisible());
  EXPECT_TRUE(PlotForm->isVisible());

  PlotForm->close();  // closing a plot window unchecks its box
  EXPECT_FALSE(form.CheckBox2->isChecked());
  EXPECT_FALSE(PlotForm->isVisible());
  destroy_plot_windows();
  form.CheckBox2->setChecked(true);  // no window left: nothing to show
}

}  // namespace

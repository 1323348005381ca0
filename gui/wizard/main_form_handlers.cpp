// The handlers of the wizard's parameter controls: each turns its control's
// position or text into values of Parameters and refreshes the read-outs.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>

#include <cmath>

#include "func_graph.h"
#include "main_form.h"
#include "wizard_numbers.h"
#include "plot_form.h"
#include "plot_windows.h"
#include "time_plot_form.h"

namespace {

constexpr double pi = 3.141592653589793;

// An empty box reads as "0"; the box shows it.
void zero_if_empty(QLineEdit* box) {
  if (!box->text().isEmpty()) return;
  const QSignalBlocker quiet(box);
  box->setText(QStringLiteral("0"));
}

struct potential_button {
  int type;
  int sign;
  const char* label;
};

}  // namespace

void TMainForm::WyborPotencjalu(QAbstractButton* Sender) {
  potential_button choice{0, 0, "brak"};
  if (Sender == SpeedButton1) choice = {1, -1, "studnia"};
  if (Sender == SpeedButton2) choice = {1, +1, "\"klocek\""};
  if (Sender == SpeedButton3) choice = {3, +1, "próg"};
  if (Sender == SpeedButton4) choice = {2, -1, "atom"};
  if (Sender && !Sender->isChecked()) Sender->setChecked(true);
  Parameters.typ_potencjalu = choice.type;
  Parameters.potential_sign = choice.sign;
  Label30->setText(QString::fromUtf8(choice.label));
  // The step has no width; no potential has no depth either.
  const bool depth = choice.type != 0;
  const bool width = choice.type == 1 || choice.type == 2;
  Label24->setVisible(depth);
  TrackBar7->setVisible(depth);
  Label25->setVisible(width);
  TrackBar8->setVisible(width);
  TrackBar7Change();
}

void TMainForm::TrackBar7Change() {
  const double Vo = TrackBar7->value() * Parameters.potential_sign * 0.1;
  Parameters.Vo = Vo;
  if (Parameters.potential_sign < 0) {
    Label24->setText(QStringLiteral("Głębokość  (Vo = ") + RealToText(std::abs(Vo)) + QStringLiteral(")"));
    Label61->setText(QStringLiteral("Głębokość Vo=") + RealToText(Vo));
  } else {
    Label24->setText(QStringLiteral("Wysokość   (Vo = ") + RealToText(std::abs(Vo)) + QStringLiteral(")"));
    Label61->setText(QStringLiteral("Wysokość  Vo=") + RealToText(Vo));
  }
}

void TMainForm::TrackBar8Change() {
  Parameters.a = TrackBar8->value() * 0.1;
  Label25->setText(QStringLiteral("Szerokość  (a = ") + RealToText(Parameters.a) + QStringLiteral(")"));
  Label60->setText(QStringLiteral("Szerokość a=") + RealToText(Parameters.a));
}

void TMainForm::WyborFunkcjiPocz() {
  const int type = ListBox1->currentRow();
  Parameters.typ_funkcji_pocz = type;
  Panel3->setVisible(type == 1);
  Panel4->setVisible(type == 0);
  Panel5->setVisible(type == 2 || type == 3);
  UseWellParameters = type == 2 || type == 3;
  if (UseWellParameters) {
    Label60->setText(QStringLiteral("szerokość a=") + RealToText(Parameters.a));
    Label61->setText(QStringLiteral("głębokość Vo=") + RealToText(Parameters.Vo));
  }
}

void TMainForm::TrackBar1Change() {
  Parameters.x0 = TrackBar1->value() * 0.1;
  Label1->setText(QStringLiteral("Położenie  (x0 = ") + RealToText(Parameters.x0) + QStringLiteral(")"));
}

void TMainForm::TrackBar3Change() {
  Parameters.packet_width = TrackBar3->value() * 0.1;
  Label3->setText(QStringLiteral("Szerokość  (a = ") + RealToText(Parameters.packet_width) + QStringLiteral(")"));
}

void TMainForm::TrackBar2Change() {
  Parameters.k0 = TrackBar2->value() * 0.1;
  Label2->setText(QStringLiteral("Pęd  (k = ") + RealToText(Parameters.k0) + QStringLiteral(")"));
}

void TMainForm::TrackBar4Change() {
  WizardParameters& p = Parameters;
  p.Eo = TrackBar4->value() * 0.01;
  p.w = TrackBar5->value() * 0.002;
  p.phi = TrackBar6->value() * 0.01;
  p.w2 = TrackBar9->value() * 0.01;
  p.w3 = TrackBar10->value() * 0.01;
  p.w4 = TrackBar11->value() * 0.01;
  Label36->setText(RealToText(p.Eo));
  Label37->setText(RealToText(p.w));
  Label38->setText(RealToText(p.phi));
  Label48->setText(RealToText(p.w2));
  Label51->setText(RealToText(p.w3));
  Label54->setText(RealToText(p.w4));
  // The classical free electron oscillates with the amplitude Eo / w^2.
  Label42->setText(p.w != 0 ? RealToText(p.Eo / (p.w * p.w)) : QStringLiteral("-"));
  PulseGraph->update();
}

void TMainForm::PulseGraphUserFunc(double X, double& Y, bool&) {
  const WizardParameters& p = Parameters;
  Y = p.Eo != 0 ? std::cos(p.w * X + p.phi + p.w2 * X * X + p.w3 * std::sin(p.w4 * X)) : 0.0;
}

void TMainForm::Edit1Exit() {
  for (QLineEdit* box : {Edit1, Edit2, Edit3}) zero_if_empty(box);
  const auto xdim = TextToReal(Edit1->text());
  if (!xdim) return;
  Parameters.xdim = TruncateToInt(*xdim);
  const auto xmin = TextToReal(Edit2->text());
  if (!xmin) return;
  Parameters.xmin = *xmin;
  const auto xmax = TextToReal(Edit3->text());
  if (!xmax) return;
  Parameters.xmax = *xmax;
  // Too few points leave the last good step in force.
  if (Parameters.xdim > 1) Parameters.dx = std::abs(Parameters.xmax - Parameters.xmin) / (Parameters.xdim - 1);
  Label35->setText(RealToText(Parameters.dx));
  Label41->setText(RealToText(pi / Parameters.dx));
}

void TMainForm::Edit6Exit() {
  for (QLineEdit* box : {Edit6, Edit7, Edit8}) zero_if_empty(box);
  const auto tdim = TextToReal(Edit6->text());
  if (!tdim) return;
  Parameters.tdim = TruncateToInt(*tdim);
  const auto tmin = TextToReal(Edit7->text());
  if (!tmin) return;
  Parameters.tmin = *tmin;
  const auto dt = TextToReal(Edit8->text());
  if (!dt) return;
  Parameters.dt = *dt;
  Parameters.tmax = Parameters.tdim * Parameters.dt + Parameters.tmin;
  Label40->setText(RealToText(Parameters.tmax));
}

void TMainForm::Edit4Exit() {
  if (const auto interval = TextToInteger(Edit4->text()))
    Parameters.co_ile_krokow_zapis_wykresu = Parameters.co_ile_krokow_zapis_funkcji = *interval;
}

void TMainForm::Edit5Exit() {
  if (const auto offset = TextToInteger(Edit5->text())) Parameters.przesuniecie = *offset;
}

void TMainForm::Edit12Exit() { Parameters.nazwa_pliku = Edit12->text(); }

void TMainForm::RadioButton6Click() {
  const bool absorbing = RadioButton6->isChecked();
  Panel6->setVisible(absorbing);
  Parameters.typ_pot_absorb = absorbing ? 1 : 0;
}

void TMainForm::Edit13Exit() {
  zero_if_empty(Edit13);
  if (const auto range = TextToReal(Edit13->text())) Parameters.a_abs = *range;
}

void TMainForm::TrackBar12Change() {
  Parameters.Uo_abs = static_cast<double>(TrackBar12->value()) / TrackBar12->maximum();
  Label64->setText(QStringLiteral("Współczynnik (wartość: ") + RealToText(Parameters.Uo_abs) + QStringLiteral(")"));
}

void TMainForm::CheckBox2Click() {
  if (PlotForm) PlotForm->setVisible(CheckBox2->isChecked());
}

void TMainForm::CheckBox3Click() {
  if (TimePlotForm) TimePlotForm->setVisible(CheckBox3->isChecked());
}

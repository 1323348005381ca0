#include "time_plot_form.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QRadioButton>

#include "func_graph.h"

namespace {

QRadioButton* radio_button(QWidget* parent, const char* name, const QString& caption, int left, int width) {
  auto* button = new QRadioButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(left, 320, width, 17);
  return button;
}

}  // namespace

TTimePlotForm::TTimePlotForm(const QWidget& wizard, const QString& version_label, QWidget* parent)
    : QWidget(parent, Qt::Window) {
  set_up_plot_window(*this, "TimePlotForm");

  FuncGraph1 = new TFuncGraph(this);
  FuncGraph1->setObjectName("FuncGraph1");
  FuncGraph1->setGeometry(8, 8, 537, 297);
  FuncGraph1->RangeMaxX = 1;
  FuncGraph1->RangeMaxY = 1;
  // No additional curve is drawn; its pen is grey like the axis.
  FuncGraph1->AddPlotPen.setColor(plot_axis_colour);
  FuncGraph1->ZeroAxisPen.setColor(plot_axis_colour);
  FuncGraph1->XZeroAxis = true;
  FuncGraph1->YZeroAxis = false;
  FuncGraph1->OnUserFunc = [this](double X, double& Y, bool& PointVisible) {
    FuncGraph1UserFunc(X, Y, PointVisible);
  };

  // Siblings in one parent: Qt makes the three one exclusive group.
  RadioButton1 = radio_button(this, "RadioButton1", "Norma", 8, 73);
  RadioButton2 = radio_button(this, "RadioButton2", "Korelacja", 88, 89);
  RadioButton3 = radio_button(this, "RadioButton3", "Położenie", 184, 89);
  RadioButton2->setChecked(true);
  for (QRadioButton* button : {RadioButton1, RadioButton2, RadioButton3})
    connect(button, &QRadioButton::toggled, this, [this](bool checked) {
      if (checked) RadioButton2Click();
    });

  Button1 = new QPushButton("Zamknij okno", this);
  Button1->setObjectName("Button1");
  Button1->setGeometry(416, 320, 129, 33);
  connect(Button1, &QPushButton::clicked, this, &TTimePlotForm::Button1Click);

  // The graph grows with the window; the buttons stay at the bottom.
  layout_.anchor(FuncGraph1, anchor_left | anchor_top | anchor_right | anchor_bottom);
  layout_.anchor(Button1, anchor_right | anchor_bottom);
  for (QRadioButton* button : {RadioButton1, RadioButton2, RadioButton3})
    layout_.anchor(button, anchor_left | anchor_bottom);

  const QRect wizard_frame = wizard.frameGeometry();
  move(wizard_frame.x() + wizard_frame.width() + 10, wizard_frame.y() + wizard_frame.height() + 10);
  setWindowTitle(version_label + ":  Wykres wielkości zależnych od czasu");
  LayoutReady = true;
}

const std::vector<double>& TTimePlotForm::chosen_data() const {
  if (RadioButton1->isChecked()) return NormData;
  if (RadioButton3->isChecked()) return PositionData;
  return CorrelationData;
}

void TTimePlotForm::FuncGraph1UserFunc(double X, double& Y, bool& PointVisible) {
  const std::vector<double>& data = chosen_data();
  if (data.empty()) {
    Y = 0;
    PointVisible = false;
  } else if (const auto value = plot_array_value(data, StepCount, X)) {
    Y = *value;
    PointVisible = *value != 0;
  } else {
    range_box_.report(this, "Błąd: przekroczenie zakresu tablicy zawierającej dane do wykresu obsadzenia");
    PointVisible = false;
  }
}

void TTimePlotForm::RadioButton2Click() { FuncGraph1->repaint(); }

void TTimePlotForm::FormResize() {
  if (LayoutReady) layout_.apply(width(), height());
}

void TTimePlotForm::Button1Click() { close(); }

void TTimePlotForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FormResize();
}

void TTimePlotForm::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closed();
}

#include "plot_form.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <new>
#include <stdexcept>
#include <string>

#include "column_file.h"
#include "dialogs.h"
#include "file_names.h"
#include "func_graph.h"

namespace {

QFrame* marker(QWidget* parent, const char* name, const char* colour, int left) {
  auto* shape = new QFrame(parent);
  shape->setObjectName(name);
  shape->setGeometry(left, 217, 7, 7);
  shape->setStyleSheet(QString("background-color: %1; border: 1px solid black; border-radius: 3px;").arg(colour));
  shape->hide();
  return shape;
}

}  // namespace

void deferred_message::report(QObject* context, const QString& text) {
  if (pending_) return;
  pending_ = true;
  QTimer::singleShot(0, context, [this, text] {
    show_message(text);
    pending_ = false;
  });
}

void set_up_plot_window(QWidget& window, const char* name) {
  window.setObjectName(name);
  window.setAttribute(Qt::WA_QuitOnClose, false);
  QFont form_font("MS Sans Serif");
  form_font.setStyleHint(QFont::SansSerif);
  form_font.setPixelSize(13);
  window.setFont(form_font);
  window.resize(553, 361);
}

std::optional<double> plot_array_value(const std::vector<double>& data, int count, double X) {
  // Compared as reals first, so that no X (huge, negative or not a number)
  // reaches the integer conversion out of its range.
  if (!(X > -1.0) || X >= static_cast<double>(count) + 1.0) return std::nullopt;
  const auto index = static_cast<std::size_t>(std::trunc(X));
  if (index >= data.size()) return std::nullopt;
  return data[index];
}

TPlotForm::TPlotForm(const QWidget& wizard, const QString& version_label, QWidget* parent)
    : QWidget(parent, Qt::Window) {
  set_up_plot_window(*this, "PlotForm");
  build_graphs();
  build_controls();
  anchor_controls();

  const QRect wizard_frame = wizard.frameGeometry();
  move(wizard_frame.x() + wizard_frame.width() + 10, wizard_frame.y() - 1);
  setWindowTitle(version_label + ":  Wykres funkcji falowej (kwadrat modułu)");
  LayoutReady = true;
}

void TPlotForm::build_graphs() {
  FuncGraph1 = new TFuncGraph(this);
  FuncGraph1->setObjectName("FuncGraph1");
  FuncGraph1->setGeometry(8, 8, 537, 209);
  FuncGraph2 = new TFuncGraph(this);
  FuncGraph2->setObjectName("FuncGraph2");
  FuncGraph2->setGeometry(8, 224, 537, 81);
  for (TFuncGraph* graph : {FuncGraph1, FuncGraph2}) {
    graph->RangeMaxX = 4096;
    graph->RangeMaxY = 1;
    graph->AddPlotPen.setStyle(Qt::DashLine);
    graph->ZeroAxisPen.setColor(plot_axis_colour);
    graph->YZeroAxis = false;
  }
  FuncGraph1->XZeroAxis = true;
  FuncGraph2->XZeroAxis = false;
  FuncGraph1->OnUserFunc = [this](double X, double& Y, bool& PointVisible) {
    FuncGraph1UserFunc(X, Y, PointVisible);
  };
  FuncGraph2->OnUserFunc = [this](double X, double& Y, bool& PointVisible) {
    FuncGraph2UserFunc(X, Y, PointVisible);
  };
}

void TPlotForm::build_controls() {
  CheckBox1 = new QCheckBox("Zakres rzędnej ustalany osobno dla każdego kroku czas.", this);
  CheckBox1->setObjectName("CheckBox1");
  // Widened where the font is larger than the one the window was designed
  // with, so that the caption is not cut (there is room up to Button1).
  CheckBox1->setGeometry(8, 320, std::max(369, CheckBox1->sizeHint().width()), 17);

  Button1 = new QPushButton("Zamknij okno", this);
  Button1->setObjectName("Button1");
  Button1->setGeometry(416, 320, 129, 33);
  connect(Button1, &QPushButton::clicked, this, &TPlotForm::Button1Click);

  Shape1 = marker(this, "Shape1", "green", 24);
  Shape2 = marker(this, "Shape2", "navy", 40);

  Label24 = new QLabel("Tempo odtwarzania", this);
  Label24->setObjectName("Label24");
  Label24->setGeometry(8, 340, 119, 16);
  Label24->hide();
  TrackBar7 = new QSlider(Qt::Horizontal, this);
  TrackBar7->setObjectName("TrackBar7");
  TrackBar7->setGeometry(136, 340, 233, 17);
  TrackBar7->setRange(0, 100);
  TrackBar7->setValue(50);
  TrackBar7->setTickInterval(5);
  TrackBar7->setTickPosition(QSlider::TicksBelow);
  TrackBar7->hide();
}

// The upper graph grows with the window, the lower one keeps its height at
// the bottom; the controls below them stay at the bottom. The playback
// tempo's track bar stands on its label's line.
void TPlotForm::anchor_controls() {
  layout_.anchor(FuncGraph1, anchor_left | anchor_top | anchor_right | anchor_bottom);
  layout_.anchor(FuncGraph2, anchor_left | anchor_right | anchor_bottom);
  layout_.anchor(Button1, anchor_right | anchor_bottom);
  layout_.anchor(CheckBox1, anchor_left | anchor_bottom);
  layout_.anchor(Label24, anchor_left | anchor_bottom);
  layout_.anchor(TrackBar7, anchor_left | anchor_bottom);
}

bool TPlotForm::AllocatePlotArray(std::vector<double>& array, int n) {
  std::vector<double>().swap(array);
  try {
    if (n < 0) throw std::bad_alloc();
    array.resize(static_cast<std::size_t>(n) + 1);
    return true;
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  std::vector<double>().swap(array);
  show_message("Błąd: brak pamięci do utworzenia tablicy przechowującej dane do wykresu");
  return false;
}

void TPlotForm::value_at(const std::vector<double>& data, double X, double& Y, bool& PointVisible,
                         deferred_message& range_box, const char* range_message) {
  if (data.empty()) {
    Y = 0;
    PointVisible = false;
  } else if (const auto value = plot_array_value(data, PointCount, X)) {
    Y = *value;
  } else {
    range_box.report(this, QString::fromUtf8(range_message));  // built only when it is shown
    PointVisible = false;
  }
}

void TPlotForm::FuncGraph1UserFunc(double X, double& Y, bool& PointVisible) {
  value_at(WaveData, X, Y, PointVisible, wave_range_box_,
           "Błąd: przekroczenie zakresu tablicy zawierającej dane do wykresu funkcji falowej");
}

void TPlotForm::FuncGraph2UserFunc(double X, double& Y, bool& PointVisible) {
  value_at(PotentialData, X, Y, PointVisible, potential_range_box_,
           "Błąd: przekroczenie zakresu tablicy zawierającej dane do wykresu potencjału");
}

void TPlotForm::PotentialPlotSaved(QObject*) {
  if (!AllocatePlotArray(PotentialData, PointCount))
    show_message("Błąd: Nie można zarezerwować pamięci na dane wykresu potencjału");

  std::ifstream file;
  if (!open_column_file(file, QString::fromStdString(file_name(potential_file_name)),
                        QStringLiteral("Błąd: Brak pliku z danymi do wykresu potencjału")))
    return;
  // Points of "x  V  Re U  Im U"; the first one takes no part in the range.
  const column_file_reading reading = read_column_file(file, 4, PotentialData, PointCount);
  file.close();
  for (int i = 0; i < reading.surplus; ++i)
    show_message("Błąd: plik z danymi do wykresu potencjału ma więcej linii niż zadeklarowana wielkość sieci");

  FuncGraph2->RangeMinX = 1;
  FuncGraph2->RangeMaxX = PointCount;
  double margin = (reading.maximum - reading.minimum) * 0.1;
  if (margin == 0) margin = 1.0;
  FuncGraph2->RangeMinY = reading.minimum - margin;
  FuncGraph2->RangeMaxY = reading.maximum + margin;
  if (isVisible()) FuncGraph2->repaint();
}

void TPlotForm::FormResize() {
  if (!LayoutReady) return;
  layout_.apply(width(), height());
  // The markers ride on the upper graph's lower edge.
  const int marker_top = FuncGraph1->y() + FuncGraph1->height();
  Shape1->move(Shape1->x(), marker_top);
  Shape2->move(Shape2->x(), marker_top);
}

void TPlotForm::Button1Click() { close(); }

void TPlotForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FormResize();
}

void TPlotForm::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closed();
}

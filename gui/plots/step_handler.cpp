#include "step_handler.h"

#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QProgressBar>

#include <cmath>
#include <fstream>
#include <istream>
#include <limits>
#include <locale>
#include <sstream>
#include <string>

#include "dialogs.h"
#include "fatal_ending.h"
#include "func_graph.h"
#include "messages.h"
#include "plot_form.h"
#include "time_plot_form.h"

namespace {

// Writes only into entries that exist: an array whose allocation failed is
// empty, and one left from an earlier run may be shorter.
template <typename Index>
void store(std::vector<double>& array, Index index, double value) {
  if (index >= 0 && static_cast<unsigned long long>(index) < array.size()) array[index] = value;
}

void store_quantities(TTimePlotForm& window, int StepNumber, const step_quantities& quantities, double position) {
  store(window.NormData, StepNumber, quantities.norm);
  store(window.CorrelationData, StepNumber, quantities.correlation);
  store(window.PositionData, StepNumber, position);
  if (window.isVisible()) window.FuncGraph1->repaint();
}

// Moves a marker to the graph's left edge plus the fraction of its width,
// truncated to whole pixels. A fraction that gives no pixel (a grid of zero
// width, no maximum) leaves the marker where it is.
void move_marker(QWidget& marker, const QWidget& graph, double fraction) {
  const double left = std::trunc(graph.x() + graph.width() * fraction);
  if (!(std::fabs(left) <= std::numeric_limits<int>::max())) return;
  marker.move(static_cast<int>(left), marker.y());
}

// The range of the values read with a tenth of their spread on each side,
// or 1 when they are all equal.
void set_vertical_range(TFuncGraph& graph, const plot_file_reading& reading) {
  double margin = (reading.maximum - reading.minimum) * 0.1;
  if (margin == 0) margin = 1.0;
  graph.RangeMinY = reading.minimum - margin;
  graph.RangeMaxY = reading.maximum + margin;
}

}  // namespace

plot_file_reading read_plot_file(std::istream& file, std::vector<double>& data, int point_count) {
  file.imbue(std::locale::classic());
  plot_file_reading result;

  // Comment lines are skipped whole, however long they are.
  std::string line;
  while (std::getline(file, line)) {
    if (line.starts_with('#')) continue;
    // The first point: "x y"; only y is kept.
    const std::size_t space = line.find(' ');
    std::istringstream point(space == std::string::npos ? std::string() : line.substr(space));
    point.imbue(std::locale::classic());
    if (double y; point >> y) {
      result.has_values = true;
      result.maximum = result.minimum = y;
      result.maximum_index = 1;
      if (point_count >= 1) store(data, 1, y);
    }
    break;
  }

  double x, y;
  for (long long i = 2; file >> x >> y; ++i) {
    if (i == 2) {
      result.has_values = true;
      result.maximum = result.minimum = y;
      result.maximum_index = 2;
    }
    if (i > point_count)
      ++result.surplus;
    else
      store(data, i, y);
    if (y > result.maximum) {
      result.maximum = y;
      result.maximum_index = i;
    }
    if (y < result.minimum) result.minimum = y;
  }
  return result;
}

bool handle_step(const step_context& context, const step_quantities& quantities, int StepNumber,
                 const QString& FileName) {
  const double position_fraction = (quantities.position - context.xmin) / (context.xmax - context.xmin);
  if (context.time_plot) store_quantities(*context.time_plot, StepNumber, quantities, position_fraction);
  if (FileName.isEmpty()) return true;

  std::ifstream file(QFile::encodeName(FileName).toStdString());
  if (!file) {
    show_message(QStringLiteral("Błąd: Brak pliku z danymi do wykresu funkcji falowej (") + FileName +
                 QStringLiteral(")"));
    sound_alarm();
    try {
      end_after_fatal_error();
    } catch (const run_aborted&) {
    }
    return false;
  }
  std::vector<double> no_window;
  const plot_file_reading reading = read_plot_file(file, context.plot ? context.plot->WaveData : no_window,
                                                   context.plot ? context.plot->PointCount : 0);
  file.close();
  // One box per file, however many surplus lines it has: a box per line
  // could stop a run for thousands of clicks.
  if (reading.surplus > 0)
    show_message(QStringLiteral(
        "Błąd: plik z danymi do wykresu funkcji falowej ma więcej linii niż zadeklarowana wielkość sieci"));

  if (context.delete_after_plot)
    QFile::remove(FileName);
  else if (context.ask_at_end && context.files_to_delete)
    context.files_to_delete->append(FileName);

  const bool rescale =
      (context.first_plot && *context.first_plot) || (context.plot && context.plot->CheckBox1->isChecked());
  if (rescale) {
    if (context.first_plot) *context.first_plot = false;
    if (context.plot) set_vertical_range(*context.plot->FuncGraph1, reading);
  }
  if (context.progress) context.progress->setValue(StepNumber);
  if (TPlotForm* window = context.plot) {
    if (window->isVisible()) window->FuncGraph1->repaint();
    move_marker(*window->Shape1, *window->FuncGraph1, position_fraction);
    move_marker(*window->Shape2, *window->FuncGraph1, static_cast<double>(reading.maximum_index) / window->PointCount);
  }
  return true;
}

#include "step_handler.h"

#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QProgressBar>

#include <cmath>
#include <fstream>
#include <limits>
#include <vector>

#include "column_file.h"
#include "dialogs.h"
#include "func_graph.h"
#include "paint_pacer.h"
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
  if (window.isVisible()) paint_soon(*window.FuncGraph1);
}

// Moves a marker to the graph's left edge plus the fraction of its width,
// truncated to whole pixels. A fraction that gives no pixel (a grid of zero
// width, no maximum) leaves the marker where it is. A move only asks for
// the paint of what it uncovers and covers; nothing is painted on the spot.
void move_marker(QWidget& marker, const QWidget& graph, double fraction) {
  const double left = std::trunc(graph.x() + graph.width() * fraction);
  if (!(std::fabs(left) <= std::numeric_limits<int>::max())) return;
  marker.move(static_cast<int>(left), marker.y());
}

// The range of the values read with a tenth of their spread on each side,
// or 1 when they are all equal.
void set_vertical_range(TFuncGraph& graph, const column_file_reading& reading) {
  double margin = (reading.maximum - reading.minimum) * 0.1;
  if (margin == 0) margin = 1.0;
  graph.RangeMinY = reading.minimum - margin;
  graph.RangeMaxY = reading.maximum + margin;
}

}  // namespace

bool handle_step(const step_context& context, const step_quantities& quantities, int StepNumber,
                 const QString& FileName) {
  const double position_fraction = (quantities.position - context.xmin) / (context.xmax - context.xmin);
  if (context.time_plot) store_quantities(*context.time_plot, StepNumber, quantities, position_fraction);
  if (FileName.isEmpty()) return true;

  std::ifstream file;
  if (!open_column_file(file, FileName, QStringLiteral("Błąd: Brak pliku z danymi do wykresu funkcji falowej")))
    return false;
  std::vector<double> no_window;
  // Points of "x  |psi|^2".
  const column_file_reading reading = read_column_file(file, 2, context.plot ? context.plot->WaveData : no_window,
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
  // The bar's new value is there at once (and told to its watchers); its
  // paint waits for the screen's pace like the graphs'.
  if (QProgressBar* bar = context.progress)
    change_then_paint_soon(*bar, [&] { bar->setValue(StepNumber); });
  if (TPlotForm* window = context.plot) {
    if (window->isVisible()) paint_soon(*window->FuncGraph1);
    move_marker(*window->Shape1, *window->FuncGraph1, position_fraction);
    move_marker(*window->Shape2, *window->FuncGraph1, static_cast<double>(reading.maximum_index) / window->PointCount);
  }
  return true;
}

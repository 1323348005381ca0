#include "plot_arrays.h"

#include <QProgressBar>

#include <algorithm>
#include <vector>

#include "dialogs.h"
#include "func_graph.h"
#include "grid_parameters.h"
#include "plot_form.h"
#include "time_plot_form.h"

namespace {

void prepare_wave_window(TPlotForm& window, int point_count) {
  window.PointCount = point_count;
  window.FuncGraph1->RangeMinX = 1;
  window.FuncGraph1->RangeMaxX = point_count;
  if (!TPlotForm::AllocatePlotArray(window.WaveData, point_count))
    show_message(QStringLiteral("Błąd: Nie można zarezerwować pamięci na dane wykresu funkcji falowej"));
}

void prepare_time_window(TTimePlotForm& window, int step_count) {
  window.StepCount = step_count;
  window.FuncGraph1->RangeMinX = 1;
  window.FuncGraph1->RangeMaxX = step_count;
  window.FuncGraph1->RangeMinY = -0.1;
  window.FuncGraph1->RangeMaxY = 1.1;
  bool allocated = true;
  for (std::vector<double>* array : {&window.NormData, &window.CorrelationData, &window.PositionData}) {
    // After a failure the later arrays are not attempted; they are emptied
    // so that no curve of an earlier run shows under this run's counts.
    if (allocated) allocated = TPlotForm::AllocatePlotArray(*array, step_count);
    if (!allocated) std::vector<double>().swap(*array);
    std::fill(array->begin(), array->end(), 0.0);
  }
  if (!allocated)
    show_message(QStringLiteral("Błąd: Nie można zarezerwować pamięci na dane wykresu wartości zależnych od czasu"));
}

}  // namespace

void prepare_plot_arrays(TPlotForm* plot, TTimePlotForm* time_plot, QProgressBar* progress,
                         const grid_parameters& grid) {
  const int point_count = std::max(0, grid.x_count);
  const int step_count = std::max(0, grid.tdim);
  if (plot) prepare_wave_window(*plot, point_count);
  if (time_plot) prepare_time_window(*time_plot, step_count);
  if (progress) {
    // A bar whose maximum equals its minimum shows a busy animation instead
    // of a position, so a run without steps keeps a maximum of 1.
    progress->setRange(0, std::max(step_count, 1));
    progress->setValue(0);
  }
}

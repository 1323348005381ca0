#include "plot_windows.h"

#include "plot_form.h"
#include "time_plot_form.h"

TPlotForm* PlotForm = nullptr;
TTimePlotForm* TimePlotForm = nullptr;

void create_plot_windows(const QWidget& wizard, const QString& version_label) {
  destroy_plot_windows();
  PlotForm = new TPlotForm(wizard, version_label);
  TimePlotForm = new TTimePlotForm(wizard, version_label);
  PlotForm->show();
  TimePlotForm->show();
}

void destroy_plot_windows() {
  delete TimePlotForm;
  TimePlotForm = nullptr;
  delete PlotForm;
  PlotForm = nullptr;
}

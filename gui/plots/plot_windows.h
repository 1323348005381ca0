// The program-wide references to tarn's two plot windows, through which the
// wizard window and the simulation thread's event handlers reach them.
//
// The program entry calls create_plot_windows right after creating the
// wizard window (the windows are placed beside it and captioned with its
// version label) and destroy_plot_windows after the message loop, while the
// application object still exists. Between the two both references are set.
#pragma once

#include <QString>

class QWidget;
class TPlotForm;
class TTimePlotForm;

extern TPlotForm* PlotForm;
extern TTimePlotForm* TimePlotForm;

// Creates TPlotForm, then TTimePlotForm, and shows both. The wizard still
// has to connect their closed() signals to unchecking its two boxes.
void create_plot_windows(const QWidget& wizard, const QString& version_label);
// Destroys both windows and clears the references.
void destroy_plot_windows();

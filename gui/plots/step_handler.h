// The window side of a run's step event: the step's quantities go into the
// time-dependent quantities window, the plot file the step wrote is read into
// the wavefunction window, deleted or remembered, and the progress bar and
// the graphs follow. The values are in place when the handler returns; the
// graphs and the bar are painted at the screen's pace (see paint_pacer.h).
#pragma once

#include <QString>
#include <QStringList>


class QProgressBar;
class TPlotForm;
class TTimePlotForm;

// The three quantities of one step that the windows keep.
struct step_quantities {
  double norm = 0;         // squared norm
  double correlation = 0;  // squared overlap with the initial state
  double position = 0;     // mean position <x>
};

// What the wizard lends the handler for one step. The windows and the bar
// may be missing; their part is then skipped.
struct step_context {
  TPlotForm* plot = nullptr;
  TTimePlotForm* time_plot = nullptr;
  QProgressBar* progress = nullptr;
  double xmin = 0, xmax = 0;       // the wizard's space grid as it is now
  bool delete_after_plot = false;  // "po pokazaniu na wykresie"
  bool ask_at_end = false;         // "pytaj po zakończeniu"
  QStringList* files_to_delete = nullptr;
  bool* first_plot = nullptr;  // set at the start of a run, cleared at its first plot
};

// The whole step event on the window thread. Returns false when the plot
// file is missing: the box and the alarm have then come and the program's
// fatal ending has run (its unwinding stops here, since the caller may be
// Qt's event dispatch).
bool handle_step(const step_context& context, const step_quantities& quantities, int StepNumber,
                 const QString& FileName);

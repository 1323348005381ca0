// TPlotForm: tarn's wavefunction plot window. The upper graph shows the
// squared modulus of the wavefunction (refreshed by the wizard's step handler),
// the lower graph the binding potential (loaded once per run from the
// potential file). The window owns the two value arrays the graphs read.
//
// Closing the window (its button or the title bar) only hides it and emits
// closed(); the wizard connects that signal to unchecking its box
// "Wykres funkcji falowej", whose own handler hides the window. The window
// does not know the wizard's class, so the two can be built independently.
#pragma once

#include <QColor>
#include <QWidget>

#include <optional>
#include <vector>

#include "anchored_layout.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QSlider;
class TFuncGraph;

// The value a graph shows at X from a plot array: the entry whose index is X
// truncated toward zero. Nothing when that index lies beyond count or
// outside the array (the caller shows its out-of-range box).
std::optional<double> plot_array_value(const std::vector<double>& data, int count, double X);

// The out-of-range box of a graph's value event. It is shown once the paint
// that asked for the value has finished, and once for all reports that come
// before it is closed: a modal box per pixel column, in the middle of a
// paint, would stack boxes faster than they can be closed.
class deferred_message {
 public:
  // context ends the wait when it is destroyed first.
  void report(QObject* context, const QString& text);

 private:
  bool pending_ = false;
};

// What both plot windows share: the object name, the designed client area
// (553 x 361; the frame makes the window 561 x 394), the font, and that
// closing them does not end the program (closing the wizard does).
void set_up_plot_window(QWidget& window, const char* name);

// The colour 13158600 as a Windows COLORREF, RGB(200, 200, 200): the zero
// axes of all graphs.
inline const QColor plot_axis_colour{200, 200, 200};

class TPlotForm : public QWidget {
  Q_OBJECT

 public:
  // Places the window to the right of the wizard window and captions it with
  // the wizard's version label. The window is created hidden; the program
  // shows it at start-up.
  TPlotForm(const QWidget& wizard, const QString& version_label, QWidget* parent = nullptr);

  // Frees the array, then allocates n + 1 reals (index 0 is never read).
  // On failure shows "Błąd: brak pamięci ...", leaves the array empty and
  // returns false. The run start uses it for this window's and the time
  // quantities window's arrays.
  static bool AllocatePlotArray(std::vector<double>& array, int n);

  // Handler of the simulation thread's event raised once before the first
  // step: loads the potential file into PotentialData and sets the lower
  // graph's ranges. A missing file ends the program with exit code 1.
  void PotentialPlotSaved(QObject* Sender = nullptr);

  // Value events of the two graphs: the entry at the integer part of X.
  void FuncGraph1UserFunc(double X, double& Y, bool& PointVisible);
  void FuncGraph2UserFunc(double X, double& Y, bool& PointVisible);

  void FormResize();
  void Button1Click();

  // The run's x node count (xdim + 1), set by the wizard when a run starts.
  int PointCount = 0;
  // Indexed 1 .. PointCount; empty until first allocated. Both survive the
  // end of a run so that the last pictures stay.
  std::vector<double> WaveData;
  std::vector<double> PotentialData;

  TFuncGraph* FuncGraph1;  // |psi|^2
  TFuncGraph* FuncGraph2;  // V(x)
  QCheckBox* CheckBox1;    // the step handler rescales FuncGraph1 at every plot when checked
  QPushButton* Button1;
  QFrame* Shape1;  // mean-position marker, hidden; moved by the step handler
  QFrame* Shape2;  // maximum marker, hidden; moved by the step handler
  QLabel* Label24;
  QSlider* TrackBar7;  // playback tempo, hidden and unused

 signals:
  // The user closed the window; the wizard unchecks "Wykres funkcji falowej".
  void closed();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void value_at(const std::vector<double>& data, double X, double& Y, bool& PointVisible,
                deferred_message& range_box, const char* range_message);
  void build_graphs();
  void build_controls();
  void anchor_controls();

  anchored_layout layout_;
  bool LayoutReady = false;
  deferred_message wave_range_box_;
  deferred_message potential_range_box_;
};

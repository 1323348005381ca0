// TTimePlotForm: tarn's window of the time-dependent quantities. It plots one
// of three quantities against the step number: the squared norm, the
// correlation with the initial state or the mean position scaled to the grid.
// The values come from memory: the wizard's step handler stores them in the
// three arrays after every step, so switching the quantity needs no file.
//
// Closing the window (its button or the title bar) only hides it and emits
// closed(); the wizard connects that signal to unchecking its box
// "Wykres wielkości zal. od czasu", whose own handler hides the window.
#pragma once

#include <QWidget>

#include <vector>

#include "anchored_layout.h"
#include "plot_form.h"

class QPushButton;
class QRadioButton;
class TFuncGraph;

class TTimePlotForm : public QWidget {
  Q_OBJECT

 public:
  // Places the window to the right of and below the wizard window and
  // captions it with the wizard's version label. Created hidden; the program
  // shows it at start-up.
  TTimePlotForm(const QWidget& wizard, const QString& version_label, QWidget* parent = nullptr);

  // Value event of the graph: the chosen quantity at step X; zero values
  // (steps not computed yet) are left out.
  void FuncGraph1UserFunc(double X, double& Y, bool& PointVisible);

  // Any of the three radio buttons: redraws the graph with the chosen quantity.
  void RadioButton2Click();
  void FormResize();
  void Button1Click();

  // The run's number of time steps (tdim), set by the wizard when a run starts.
  int StepCount = 0;
  // Indexed by step number 1 .. StepCount (allocated with
  // TPlotForm::AllocatePlotArray and cleared when a run starts); the finished
  // curves stay until the next run.
  std::vector<double> NormData;         // squared norm
  std::vector<double> CorrelationData;  // |<psi0|psi(t)>|^2
  std::vector<double> PositionData;     // (<x> - xmin) / (xmax - xmin)

  TFuncGraph* FuncGraph1;
  QRadioButton* RadioButton1;  // "Norma"
  QRadioButton* RadioButton2;  // "Korelacja", chosen at start
  QRadioButton* RadioButton3;  // "Położenie"
  QPushButton* Button1;

 signals:
  // The user closed the window; the wizard unchecks "Wykres wielkości zal. od czasu".
  void closed();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  const std::vector<double>& chosen_data() const;

  anchored_layout layout_;
  bool LayoutReady = false;
  deferred_message range_box_;
};

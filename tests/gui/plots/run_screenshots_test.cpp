// Saves pictures of the two plot windows in the middle and at the end of a
// run started from the wizard into $SCREENSHOT_DIR, so that a person can
// check what a run looks like: a packet running into a square barrier.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFocusEvent>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

#include <memory>

#include "core_capture.h"
#include "dialog_recorder.h"
#include "fatal_ending.h"
#include "func_graph.h"
#include "main_form.h"
#include "plot_form.h"
#include "plot_windows.h"
#include "run_test_support.h"
#include "time_plot_form.h"

namespace {

QString screenshot_dir() {
  QString dir = qEnvironmentVariable("SCREENSHOT_DIR");
  if (dir.isEmpty()) dir = QDir::temp().filePath("tarn-screenshots");
  QDir().mkpath(dir);
  return dir;
}

// Saves the window and checks that a curve is drawn inside the frame of its
// upper graph.
void save(QWidget& window, const QWidget& graph, const QString& name) {
  const QImage shot = window.grab().toImage();
  const QString file = QDir(screenshot_dir()).filePath(name);
  EXPECT_TRUE(shot.save(file)) << file.toStdString();
  const QRect inside = graph.geometry().adjusted(3, 3, -3, -3);
  int dark = 0;
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x) dark += qGray(shot.pixel(x, y)) < 128;
  EXPECT_GT(dark, 300) << name.toStdString() << ": the graph shows no curve";
}

TEST(RunScreenshots, PlotWindowsInTheMiddleAndAtTheEnd) {
  const QString absolute_dir = QDir(screenshot_dir()).absolutePath();
  qputenv("SCREENSHOT_DIR", absolute_dir.toLocal8Bit());  // the scratch directory comes next
  core_capture scratch;
  dialog_recorder boxes;
  QLocale::setDefault(QLocale::c());
  auto form = std::make_unique<TMainForm>();
  create_plot_windows(*form, form->VersionText());
  form->AttachPlotWindows();
  form->show();
  install_fatal_ending();

  form->SpeedButton2->click();  // square barrier of height 2.5 and width 1
  form->TrackBar7->setValue(25);
  form->TrackBar8->setValue(10);
  form->TrackBar1->setValue(-200);  // packet at x0 = -20, width 1, k = 2
  form->TrackBar3->setValue(10);
  form->TrackBar2->setValue(20);
  form->Edit1->setText("512");
  form->Edit2->setText("-60");
  form->Edit3->setText("60");
  form->Edit6->setText("400");
  form->Edit8->setText("0.05");
  form->Edit4->setText("10");
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QCoreApplication::sendEvent(form->Edit4, &out);
  PlotForm->CheckBox1->setChecked(true);  // the vertical range follows every plot

  QObject::connect(form->ProgressBar1, &QProgressBar::valueChanged, form.get(), [&](int step) {
    if (step != 200) return;
    save(*PlotForm, *PlotForm->FuncGraph1, "run_middle_wavefunction.png");
    save(*TimePlotForm, *TimePlotForm->FuncGraph1, "run_middle_time_quantities.png");
  });
  for (int i = 0; i < 9; ++i) form->Button2->click();
  ASSERT_TRUE(wait_until([&] { return form->RunThread == nullptr; }, 120000));
  save(*PlotForm, *PlotForm->FuncGraph1, "run_end_wavefunction.png");
  save(*TimePlotForm, *TimePlotForm->FuncGraph1, "run_end_time_quantities.png");
  TimePlotForm->RadioButton3->setChecked(true);
  save(*TimePlotForm, *TimePlotForm->FuncGraph1, "run_end_position.png");
  EXPECT_TRUE(boxes.messages.isEmpty()) << boxes.messages.join('\n').toStdString();

  destroy_plot_windows();
  form.reset();
}

}  // namespace

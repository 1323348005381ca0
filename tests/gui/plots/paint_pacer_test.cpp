// Painting at the screen's pace: many changes give few paints, the last
// change always reaches the screen, and a busy window thread still gets its
// pictures. What the screen shows is read from the window's backing store,
// so a paint that never happened shows as a stale picture.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QThread>

#include <memory>

#include "core_capture.h"
#include "dialog_recorder.h"
#include "fatal_ending.h"
#include "func_graph.h"
#include "main_form.h"
#include "paint_pacer.h"
#include "plot_form.h"
#include "plot_windows.h"
#include "run_test_support.h"
#include "time_plot_form.h"

namespace {

class paint_counter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// The widget's area as its window's backing store holds it (asking a child
// for its own window id would give it a native window of its own).
QImage on_screen(QWidget& widget) {
  QWidget& window = *widget.window();
  const QImage shown = window.screen()->grabWindow(window.winId()).toImage();
  return shown.copy(QRect(widget.mapTo(&window, QPoint(0, 0)), widget.size())).convertToFormat(QImage::Format_RGB32);
}

// Whether the screen shows what a full paint of the widget gives now.
bool shows_the_present(QWidget& widget) {
  const QImage shown = on_screen(widget);
  widget.repaint();
  return shown == on_screen(widget);
}

// A graph that draws a horizontal line at `level`.
class level_graph : public testing::Test {
 protected:
  level_graph() {
    window.resize(200, 100);
    graph = new TFuncGraph(&window);
    graph->setGeometry(0, 0, 200, 100);
    graph->OnUserFunc = [this](double, double& Y, bool&) { Y = level; };
    window.show();
    keep_turning(50);  // exposed and painted once
    graph->installEventFilter(&counter);
  }

  QWidget window;
  TFuncGraph* graph;
  double level = 0.1;
  paint_counter counter;
};

TEST_F(level_graph, ManyChangesGiveFewPaintsAndTheLastOneReachesTheScreen) {
  QElapsedTimer clock;
  clock.start();
  int changes = 0;
  while (clock.elapsed() < 6 * paint_interval_ms) {
    level = 0.1 + 0.8 * (++changes % 50) / 50.0;
    paint_soon(*graph);
    QCoreApplication::processEvents();  // the window thread turns between steps
    QThread::usleep(200);
  }
  EXPECT_GT(changes, 50);
  EXPECT_GE(counter.paints, 2);
  EXPECT_LE(counter.paints, 12);
  keep_turning(3 * paint_interval_ms);
  EXPECT_TRUE(shows_the_present(window));
}

TEST_F(level_graph, BusyWindowThreadStillGetsPictures) {
  // No events are turned, as in a run on the window thread.
  for (int i = 0; i < 4; ++i) {
    level = 0.2 * (i + 1);
    paint_soon(*graph);
    QThread::msleep(2 * paint_interval_ms + 5);
  }
  EXPECT_GE(counter.paints, 2);
  level = 0.5;
  paint_soon(*graph);  // the run's last step
  keep_turning(3 * paint_interval_ms);
  EXPECT_TRUE(shows_the_present(window));
}

TEST(paced_progress_bar, ValueIsThereAtOnceAndPaintedLater) {
  // Inside a window, as the wizard's bar: a held window of its own can lose
  // an update request that comes meanwhile and then takes no more.
  QWidget window;
  window.resize(200, 40);
  QProgressBar& bar = *new QProgressBar(&window);
  bar.setGeometry(0, 0, 200, 40);
  bar.setRange(0, 100);
  window.show();
  keep_turning(50);
  paint_counter counter;
  bar.installEventFilter(&counter);
  int told = -1;
  QObject::connect(&bar, &QProgressBar::valueChanged, [&](int value) { told = value; });
  change_then_paint_soon(bar, [&] { bar.setValue(50); });
  EXPECT_EQ(bar.value(), 50);
  EXPECT_EQ(told, 50);
  EXPECT_EQ(counter.paints, 0);  // a plain setValue paints on the spot
  // Within a few intervals, or later on a machine too busy to turn events.
  EXPECT_TRUE(wait_until([&] { return counter.paints >= 1; }, 2000));
  EXPECT_TRUE(bar.updatesEnabled());
  EXPECT_TRUE(shows_the_present(bar));
}

// A short run from the wizard with both plot windows shown: when it has
// ended, the screen shows what a paint at every step would have left.
class paced_run : public testing::TestWithParam<bool> {
 protected:
  paced_run() {
    QLocale::setDefault(QLocale::c());
    form = std::make_unique<TMainForm>();
    create_plot_windows(*form, form->VersionText());
    form->AttachPlotWindows();
    form->show();
    install_fatal_ending();
  }
  ~paced_run() override {
    EXPECT_TRUE(wait_until([&] { return form->RunThread == nullptr; }));
    destroy_plot_windows();
    form.reset();
  }

  void run(int tdim) {
    form->MultiThread = GetParam();
    for (int i = 0; i < 6; ++i) form->Button2->click();
    form->Edit1->setText("256");
    form->Edit2->setText("-20");
    form->Edit3->setText("20");
    form->Edit6->setText(QString::number(tdim));
    form->Edit8->setText("0.05");
    form->Edit4->setText("7");
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(form->Edit4, &out);
    for (int i = 0; i < 3; ++i) form->Button2->click();
  }

  core_capture scratch;
  dialog_recorder boxes;
  std::unique_ptr<TMainForm> form;
};

TEST_P(paced_run, LastPictureIsTheWholeRun) {
  PlotForm->CheckBox1->setChecked(true);
  run(300);
  ASSERT_TRUE(wait_until([&] { return form->RunThread == nullptr; }));
  keep_turning(3 * paint_interval_ms);
  EXPECT_TRUE(boxes.messages.isEmpty()) << boxes.messages.join('\n').toStdString();
  EXPECT_NE(TimePlotForm->NormData[300], 0);
  EXPECT_EQ(form->ProgressBar1->value(), 294);  // the last plotted step
  for (QWidget* shown : std::initializer_list<QWidget*>{PlotForm, TimePlotForm, form->ProgressBar1})
    EXPECT_TRUE(shows_the_present(*shown)) << shown->objectName().toStdString();
}

INSTANTIATE_TEST_SUITE_P(modes, paced_run, testing::Bool(),
                         [](const auto& info) { return info.param ? "multi_thread" : "single_thread"; });

}  // namespace

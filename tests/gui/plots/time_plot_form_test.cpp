#include "time_plot_form.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <cmath>

#include "control_messages.h"
#include "dialog_recorder.h"
#include "func_graph.h"
#include "plot_form.h"

namespace {

const QString out_of_range = "Błąd: przekroczenie zakresu tablicy zawierającej dane do wykresu obsadzenia";

// Counts the paints of a widget.
struct paint_counter : QObject {
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
  int paints = 0;
};

struct time_plot_form_test : testing::Test {
  time_plot_form_test() {
    set_control_message_handler([this](const QString& text) { boxes.messages << "graph: " + text; });
  }
  ~time_plot_form_test() override { set_control_message_handler({}); }

  // A run of `steps` steps as the wizard starts it.
  void start_run(int steps) {
    form.StepCount = steps;
    form.FuncGraph1->RangeMinX = 1;
    form.FuncGraph1->RangeMaxX = steps;
    form.FuncGraph1->RangeMinY = -0.1;
    form.FuncGraph1->RangeMaxY = 1.1;
    for (auto* data : {&form.NormData, &form.CorrelationData, &form.PositionData})
      ASSERT_TRUE(TPlotForm::AllocatePlotArray(*data, steps));
  }
  std::pair<double, bool> value(double X) {
    double Y = -7;
    bool visible = true;
    form.FuncGraph1UserFunc(X, Y, visible);
    return {Y, visible};
  }
  // The row of the darkest pixel in a column of the graph.
  int curve_row(int column) {
    const QImage image = form.FuncGraph1->grab().toImage();
    for (int row = 1; row < image.height() - 1; ++row)
      if (image.pixelColor(column, row) == QColor(Qt::black)) return row;
    return -1;
  }

  dialog_recorder boxes;
  struct wizard_window : QWidget {
    wizard_window() { setGeometry(10, 10, 553, 361); }
  } wizard;
  TTimePlotForm form{wizard, "Tarn 1.0"};
};

TEST_F(time_plot_form_test, StartsRightOfAndBelowTheWizardWithItsDesignedControls) {
  EXPECT_EQ(form.windowTitle(), "Tarn 1.0:  Wykres wielkości zależnych od czasu");
  EXPECT_EQ(form.pos(), QPoint(10 + 553 + 10, 10 + 361 + 10));
  EXPECT_EQ(form.FuncGraph1->geometry(), QRect(8, 8, 537, 297));
  EXPECT_EQ(form.RadioButton1->text(), "Norma");
  EXPECT_EQ(form.RadioButton2->text(), "Korelacja");
  EXPECT_EQ(form.RadioButton3->text(), "Położenie");
  EXPECT_TRUE(form.RadioButton2->isChecked());
  EXPECT_EQ(form.Button1->geometry(), QRect(416, 320, 129, 33));
  for (const char* name : {"FuncGraph1", "RadioButton1", "RadioButton2", "RadioButton3", "Button1"})
    EXPECT_NE(form.findChild<QWidget*>(name), nullptr) << name;
}

TEST_F(time_plot_form_test, ZeroValuesAndEmptyArraysAreNotDrawn) {
  EXPECT_FALSE(value(0.5).second);  // no run yet
  start_run(4);
  form.CorrelationData = {0, 0.5, 0, 0.7, 0};
  EXPECT_EQ(value(1.5), std::make_pair(0.5, true));
  EXPECT_FALSE(value(2).second);  // dropped to exactly 0
  EXPECT_EQ(value(3.2), std::make_pair(0.7, true));
  EXPECT_FALSE(value(4).second);  // not computed yet
  form.RadioButton1->setChecked(true);
  EXPECT_FALSE(value(1).second);  // the norm array is still all zero
  QCoreApplication::processEvents();
  EXPECT_TRUE(boxes.messages.isEmpty());
}

TEST_F(time_plot_form_test, StepsBeyondTheArraysAreReportedOnceAndNotDrawn) {
  start_run(2);
  form.CorrelationData = {0, 0.5, 0.5};
  EXPECT_FALSE(value(3).second);
  form.StepCount = 10;  // a count that no allocation followed
  EXPECT_FALSE(value(5).second);
  EXPECT_FALSE(value(std::nan("")).second);
  QCoreApplication::processEvents();
  EXPECT_EQ(boxes.messages, QStringList{out_of_range});
}

TEST_F(time_plot_form_test, ChoosingAQuantityRedrawsItFromMemory) {
  start_run(100);
  for (int n = 1; n <= 100; ++n) {
    form.NormData[n] = 1.0;
    form.CorrelationData[n] = 0.5;
    form.PositionData[n] = 0.2;
  }
  form.show();
  QCoreApplication::processEvents();  // exposed, so that repaints paint at once
  paint_counter counter;
  form.FuncGraph1->installEventFilter(&counter);
  // Rows of the range -0.1 .. 1.1 on 297 pixels: 1.0 at 25, 0.5 at 148, 0.2 at 223.
  EXPECT_NEAR(curve_row(200), 148, 1);
  const int before = counter.paints;
  form.RadioButton1->click();
  EXPECT_GT(counter.paints, before);  // repainted at once, not only scheduled
  EXPECT_NEAR(curve_row(200), 25, 1);
  form.RadioButton3->click();
  EXPECT_NEAR(curve_row(200), 223, 1);
  EXPECT_TRUE(boxes.messages.isEmpty());
}

TEST_F(time_plot_form_test, ResizingGrowsTheGraphAndKeepsTheButtonsAtTheBottom) {
  form.show();
  form.resize(700, 500);
  EXPECT_EQ(form.FuncGraph1->geometry(), QRect(8, 8, 684, 436));
  EXPECT_EQ(form.Button1->pos(), QPoint(700 - 137, 500 - 41));
  EXPECT_EQ(form.RadioButton1->pos(), QPoint(8, 459));
  EXPECT_EQ(form.RadioButton2->pos(), QPoint(88, 459));
  EXPECT_EQ(form.RadioButton3->pos(), QPoint(184, 459));
}

TEST_F(time_plot_form_test, ClosingHidesTheWindowAndTellsTheWizard) {
  int closed = 0;
  QObject::connect(&form, &TTimePlotForm::closed, [&closed] { ++closed; });
  form.show();
  form.Button1->click();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(closed, 1);
}

TEST_F(time_plot_form_test, ScreenshotHalfwayThroughARun) {
  start_run(1000);
  for (int n = 1; n <= 600; ++n) form.CorrelationData[n] = 0.5 + 0.45 * std::cos(n / 40.0) * std::exp(-n / 500.0);
  form.show();
  const QPixmap picture = form.grab();
  // Saved for a person to look at when the build names a folder for it.
  if (const QString directory = qEnvironmentVariable("SCREENSHOT_DIR"); !directory.isEmpty()) {
    QDir().mkpath(directory);
    EXPECT_TRUE(picture.save(directory + "/time_plot_form.png"));
  }
  QCoreApplication::processEvents();
  EXPECT_TRUE(boxes.messages.isEmpty()) << boxes.messages.join("\n").toStdString();
}

// The graph's own boxes reach tarn's dialog seam like every other box: a
// one-step run gives the graph the x range 1 .. 1, which it refuses.
TEST(time_plot_form, OneStepRunShowsTheGraphRangeBoxThroughTheDialogs) {
  dialog_recorder boxes;
  QWidget wizard;
  TTimePlotForm form{wizard, "Tarn 1.0"};
  form.StepCount = 1;
  form.FuncGraph1->RangeMinX = 1;
  form.FuncGraph1->RangeMaxX = 1;
  form.FuncGraph1->grab();
  QCoreApplication::processEvents();
  EXPECT_EQ(boxes.messages, QStringList{"Błąd TFuncGraph: RangeMaxX nie może być równy RangeMinX"});
}

}  // namespace

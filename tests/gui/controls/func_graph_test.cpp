#include "func_graph.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "control_message_recorder.h"

namespace {

const QColor untouched(255, 0, 255);  // what the image holds where nothing was painted
const QColor grey(200, 200, 200);

// The graph painted alone (no window background) over an image filled with
// the `untouched` colour.
QImage picture(TFuncGraph& graph) {
  QImage image(graph.size(), QImage::Format_RGB32);
  image.fill(untouched);
  graph.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
  return image;
}

bool dark_in(const QImage& image, int column, int first_row, int last_row) {
  for (int row = first_row; row <= last_row; ++row)
    if (image.pixelColor(column, row) == QColor(Qt::black)) return true;
  return false;
}

struct graph_test : testing::Test {
  graph_test() {
    graph.resize(100, 100);
  }
  TFuncGraph graph;
  control_message_recorder boxes;
};

TEST_F(graph_test, WithoutHandlersDrawsFrameBackgroundAndZeroAxes) {
  graph.resize(100, 60);
  graph.RangeMinX = -1;
  graph.RangeMaxX = 1;
  graph.RangeMinY = -1;
  graph.RangeMaxY = 1;
  graph.XZeroAxis = true;
  graph.YZeroAxis = true;
  const QImage image = picture(graph);
  EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(99, 59), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(0, 20), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(50, 10), grey);  // x = 0 at column 50
  EXPECT_EQ(image.pixelColor(49, 10), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(51, 10), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(10, 30), grey);  // y = 0 at row 30
  EXPECT_EQ(image.pixelColor(10, 29), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(10, 31), QColor(Qt::white));

  graph.XZeroAxis = false;
  graph.YZeroAxis = false;
  const QImage plain = picture(graph);
  EXPECT_EQ(plain.pixelColor(50, 10), QColor(Qt::white));
  EXPECT_EQ(plain.pixelColor(10, 30), QColor(Qt::white));
}

TEST_F(graph_test, HalfPixelsRoundToEven) {
  graph.resize(100, 64);
  graph.RangeMinX = -1;  // x = 0 at column 12.5
  graph.RangeMaxX = 7;
  graph.RangeMinY = 0;  // y = 7 at row 60.5
  graph.RangeMaxY = 128;
  graph.YZeroAxis = true;
  graph.OnUserFunc = [](double, double& Y, bool&) { Y = 7; };
  const QImage image = picture(graph);
  EXPECT_EQ(image.pixelColor(12, 10), grey);
  EXPECT_EQ(image.pixelColor(13, 10), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(30, 60), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(30, 59), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(30, 61), QColor(Qt::white));
}

TEST_F(graph_test, HandlerIsAskedOncePerColumnUpToTheRightEdge) {
  graph.resize(537, 50);
  graph.RangeMinX = 1;
  graph.RangeMaxX = 4096;
  std::vector<double> xs;
  bool always_visible_on_entry = true;
  graph.OnUserFunc = [&](double X, double& Y, bool& PointVisible) {
    always_visible_on_entry = always_visible_on_entry && PointVisible;
    xs.push_back(X);
    Y = 0.5;
    PointVisible = false;
  };
  picture(graph);
  ASSERT_EQ(xs.size(), 537u);
  EXPECT_TRUE(always_visible_on_entry);
  EXPECT_DOUBLE_EQ(xs.front(), 1 + 4095.0 / 537);
  EXPECT_EQ(xs.back(), 4096.0);
  EXPECT_EQ(std::trunc(xs[178]), 1366.0);  // 1 + 179 * 4095 / 537, exactly
}

// Below x = 0.5 the curve is at row 75, from x = 0.5 on at row 25, so the
// line into column 50 is a steep one through the rows between.
struct step_curve : graph_test {
  void SetUp() override {
    graph.OnUserFunc = [this](double X, double& Y, bool& PointVisible) {
      if (X == 0.5 && hide_middle) {
        PointVisible = false;  // and Y keeps column 49's value
        return;
      }
      Y = X < 0.5 ? 0.25 : 0.75;
    };
  }
  bool hide_middle = false;
};

TEST_F(step_curve, HiddenPointLeavesOutTheLineIntoItsColumn) {
  const QImage whole = picture(graph);
  EXPECT_TRUE(dark_in(whole, 49, 30, 70) || dark_in(whole, 50, 30, 70));

  hide_middle = true;
  const QImage gap = picture(graph);
  EXPECT_FALSE(dark_in(gap, 49, 30, 70));
  // The next line starts from the hidden point, at the row of the value the
  // handler left in Y (column 49's, row 75).
  EXPECT_TRUE(dark_in(gap, 50, 30, 70) || dark_in(gap, 51, 30, 70));
  EXPECT_EQ(gap.pixelColor(20, 75), QColor(Qt::black));
  EXPECT_EQ(gap.pixelColor(80, 25), QColor(Qt::black));
}

TEST_F(graph_test, MainCurveLiesOverTheAdditionalOne) {
  graph.PlotPen = QPen(Qt::red);
  graph.AddPlotPen = QPen(Qt::blue);
  double main_value = 0.5;
  graph.OnUserFunc = [&](double, double& Y, bool&) { Y = main_value; };
  graph.OnAddUserFunc = [](double, double& Y, bool&) { Y = 0.5; };
  EXPECT_EQ(picture(graph).pixelColor(20, 50), QColor(Qt::red));

  main_value = 0.25;
  const QImage apart = picture(graph);
  EXPECT_EQ(apart.pixelColor(20, 50), QColor(Qt::blue));
  EXPECT_EQ(apart.pixelColor(20, 75), QColor(Qt::red));
}

TEST_F(graph_test, EqualRangesShowTheirBoxAndDrawNothing) {
  graph.RangeMaxX = graph.RangeMinX;
  graph.RangeMaxY = graph.RangeMinY;
  const QImage image = picture(graph);
  picture(graph);  // a second paint while the box is still due adds none
  EXPECT_EQ(image.pixelColor(0, 0), untouched);
  EXPECT_EQ(image.pixelColor(50, 50), untouched);
  EXPECT_TRUE(boxes.messages.isEmpty());  // shown once the paint is over
  QCoreApplication::processEvents();
  EXPECT_EQ(boxes.messages, QStringList{"Błąd TFuncGraph: RangeMaxX nie może być równy RangeMinX"});

  graph.RangeMaxX = 1;
  EXPECT_EQ(picture(graph).pixelColor(50, 50), untouched);
  QCoreApplication::processEvents();
  ASSERT_EQ(boxes.messages.size(), 2);
  EXPECT_EQ(boxes.messages[1], "Błąd TFuncGraph: RangeMaxY nie może być równy RangeMinY");

  graph.RangeMaxY = 1;
  EXPECT_EQ(picture(graph).pixelColor(50, 50), QColor(Qt::white));
  QCoreApplication::processEvents();
  EXPECT_EQ(boxes.messages.size(), 2);
}

TEST_F(graph_test, ValuesOutsideTheRangeAreDrawnToTheEdgeWithoutHarm) {
  graph.OnUserFunc = [](double X, double& Y, bool&) {
    const long column = std::lround(X * 100);
    if (column == 30) Y = 1e300;
    else if (column == 60) Y = std::numeric_limits<double>::infinity();
    else if (column == 80) Y = std::numeric_limits<double>::quiet_NaN();
    else Y = 0.5;
  };
  const QImage image = picture(graph);
  EXPECT_TRUE(dark_in(image, 29, 1, 10) || dark_in(image, 30, 1, 10));  // the line leaves at the top
  EXPECT_TRUE(dark_in(image, 59, 1, 10) || dark_in(image, 60, 1, 10));
  // A value that is no number has no point: the curve breaks there.
  EXPECT_EQ(image.pixelColor(80, 50), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(79, 50), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(82, 50), QColor(Qt::black));
}

struct counting_graph : TFuncGraph {
  int paints = 0;
  void paintEvent(QPaintEvent* event) override {
    ++paints;
    TFuncGraph::paintEvent(event);
  }
};

TEST(graph_style, ChangingAnOwnedPenOrBrushRepaints) {
  counting_graph graph;
  graph.show();
  QCoreApplication::processEvents();
  const auto repaints_after = [&](auto change) {
    graph.paints = 0;
    change();
    QCoreApplication::processEvents();
    return graph.paints;
  };
  EXPECT_GT(repaints_after([&] { graph.PlotPen = QPen(QColor(Qt::red), 3, Qt::DotLine); }), 0);
  EXPECT_EQ(graph.PlotPen.color(), QColor(Qt::red));
  EXPECT_EQ(graph.PlotPen.width(), 3);
  EXPECT_EQ(graph.PlotPen.style(), Qt::DotLine);
  EXPECT_GT(repaints_after([&] { graph.ZeroAxisPen.setWidth(2); }), 0);
  EXPECT_GT(repaints_after([&] { graph.BackgroundBrush.setColor(Qt::yellow); }), 0);
  EXPECT_EQ(repaints_after([] {}), 0);
}

}  // namespace

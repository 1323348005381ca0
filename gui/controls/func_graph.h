// TFuncGraph: a light graph control that draws up to two curves y(x) over a
// fixed rectangular range. It holds no data: for every pixel column it asks
// its owner for the value through a TUserFunc handler, so the owner decides
// what is plotted and how it is looked up.
//
// Usage:
//   auto* graph = new TFuncGraph(parent);          // 50 x 50, ranges 0..1
//   graph->setObjectName("PulseGraph");
//   graph->RangeMinX = 0;  graph->RangeMaxX = 62.8;
//   graph->RangeMinY = -1; graph->RangeMaxY = 1;
//   graph->OnUserFunc = [this](double X, double& Y, bool& PointVisible) { ... };
//   graph->AddPlotPen.setStyle(Qt::DashLine);
//   graph->update();   // after changing the ranges, the axes or the data
//
// The pens and the brush repaint the graph by themselves when changed; the
// ranges, the axis switches and the handlers do not (call update() or
// repaint()). Width and height are the widget's own (resize, setGeometry).
#pragma once

#include <QWidget>

#include <functional>
#include <optional>

#include "graph_style.h"

class QPainter;

// The value of a curve at X. The graph sets PointVisible to true before each
// call; the handler stores the value in Y and may clear PointVisible to leave
// a gap (the line into that column is not drawn). Y keeps the previous
// column's value when the handler leaves it unset.
using TUserFunc = std::function<void(double X, double& Y, bool& PointVisible)>;

class TFuncGraph : public QWidget {
  Q_OBJECT

 public:
  explicit TFuncGraph(QWidget* owner = nullptr);

  double RangeMinX = 0;  // x at the left edge
  double RangeMaxX = 1;  // x at the right edge
  double RangeMinY = 0;  // y at the bottom edge
  double RangeMaxY = 1;  // y at the top edge
  TUserFunc OnUserFunc;     // the main curve
  TUserFunc OnAddUserFunc;  // the additional curve, drawn under the main one

  TGraphPen PlotPen;          // solid black, width 1
  TGraphPen AddPlotPen;       // dashed black, width 1
  TGraphPen BorderPen;        // solid black, width 1
  TGraphPen ZeroAxisPen;      // solid RGB(200, 200, 200), width 1
  bool XZeroAxis = false;     // draw the horizontal line y = 0
  bool YZeroAxis = false;     // draw the vertical line x = 0
  TGraphBrush BackgroundBrush;  // solid white

  // Called by the pens and the brush when they change: repaints the graph.
  void StyleChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<int> column_of(double x) const;
  std::optional<int> row_of(double y) const;
  void draw_curve(QPainter& painter, const TGraphPen& pen, const TUserFunc& handler) const;
  void report_range_error(const QString& text);

  bool range_error_pending_ = false;
};

#include "func_graph.h"

#include <QPainter>
#include <QPolygon>
#include <QTimer>

#include <algorithm>
#include <cmath>

#include "control_messages.h"

namespace {

// Rows and columns far outside the widget are pulled in to this distance so
// that wild values still give a defined line leaving the picture.
constexpr long double pixel_limit = 1'000'000;

// Nearest whole pixel, halves to even; none for a value that is not a number.
std::optional<int> to_pixel(long double value) {
  if (std::isnan(value)) return std::nullopt;
  return static_cast<int>(std::nearbyint(std::clamp(value, -pixel_limit, pixel_limit)));
}

}  // namespace

TFuncGraph::TFuncGraph(QWidget* owner)
    : QWidget(owner),
      PlotPen(QPen(Qt::black, 1, Qt::SolidLine), [this] { StyleChanged(); }),
      AddPlotPen(QPen(Qt::black, 1, Qt::DashLine), [this] { StyleChanged(); }),
      BorderPen(QPen(Qt::black, 1, Qt::SolidLine), [this] { StyleChanged(); }),
      ZeroAxisPen(QPen(QColor(200, 200, 200), 1, Qt::SolidLine), [this] { StyleChanged(); }),
      BackgroundBrush(QBrush(Qt::white, Qt::SolidPattern), [this] { StyleChanged(); }) {
  resize(50, 50);
}

void TFuncGraph::StyleChanged() { update(); }

std::optional<int> TFuncGraph::column_of(long double x) const {
  return to_pixel((x - RangeMinX) / (static_cast<long double>(RangeMaxX) - RangeMinX) * width());
}

// RangeMaxY lies on row 0 and RangeMinY on row Height; values outside the
// range are not clipped.
std::optional<int> TFuncGraph::row_of(long double y) const {
  return to_pixel((1 - (y - RangeMinY) / (static_cast<long double>(RangeMaxY) - RangeMinY)) * height());
}

void TFuncGraph::paintEvent(QPaintEvent*) {
  if (RangeMaxX == RangeMinX) {
    report_range_error("Błąd TFuncGraph: RangeMaxX nie może być równy RangeMinX");
    return;
  }
  if (RangeMaxY == RangeMinY) {
    report_range_error("Błąd TFuncGraph: RangeMaxY nie może być równy RangeMinY");
    return;
  }
  const int w = width();
  const int h = height();
  if (w <= 0) return;

  QPainter painter(this);
  painter.setPen(BorderPen);
  painter.setBrush(BackgroundBrush);
  // A stroked rectangle covers one pixel more than its size; without a pen
  // the fill alone must reach the last column and row.
  if (BorderPen.style() == Qt::NoPen)
    painter.drawRect(0, 0, w, h);
  else
    painter.drawRect(0, 0, w - 1, h - 1);

  painter.setPen(ZeroAxisPen);
  if (XZeroAxis)
    if (const auto row = row_of(0)) painter.drawLine(0, *row, w, *row);
  if (YZeroAxis)
    if (const auto column = column_of(0)) painter.drawLine(*column, 0, *column, h);

  // The additional curve first, so that the main one lies on top.
  draw_curve(painter, AddPlotPen, OnAddUserFunc);
  draw_curve(painter, PlotPen, OnUserFunc);
}

// Column i stands for x = RangeMinX + i (RangeMaxX - RangeMinX) / Width; the
// line goes from point to point, except into a column whose point the handler
// hid. Consecutive lines form one polyline so that a dashed pen keeps its
// pattern along the curve.
void TFuncGraph::draw_curve(QPainter& painter, const TGraphPen& pen, const TUserFunc& handler) const {
  if (!handler) return;
  painter.setPen(pen);
  const int w = width();
  const long double span = static_cast<long double>(RangeMaxX) - RangeMinX;
  QPolygon line;
  const auto draw_line = [&] {
    if (line.size() > 1) painter.drawPolyline(line);
    line.clear();
  };
  double y = 0;  // deliberately kept from column to column
  for (int i = 1; i <= w; ++i) {
    const double x = static_cast<double>(RangeMinX + i * span / w);
    bool visible = true;
    handler(x, y, visible);
    const auto row = row_of(y);
    if (!row) {  // no point at all: the next one starts a new line
      draw_line();
      continue;
    }
    if (!visible) draw_line();  // only move there
    line << QPoint(i, *row);
  }
  draw_line();
}

// The box is shown after the paint has finished: a modal box inside a paint
// would run its event loop while the window is being painted. Paints that
// come while the box is waiting or open do not stack further boxes.
void TFuncGraph::report_range_error(const QString& text) {
  if (range_error_pending_) return;
  range_error_pending_ = true;
  QTimer::singleShot(0, this, [this, text] {
    show_control_message(text);
    range_error_pending_ = false;
  });
}

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
constexpr double pixel_limit = 1'000'000;

// Nearest whole pixel, halves to even; none for a value that is not a number.
// The position is worked out in doubles, which give the pixel of the
// extended-precision formula except where the position lies within a
// rounding error of a half pixel: only there is it worked out again in
// extended precision, which settles such ties as it always has.
template <typename Position>
std::optional<int> to_pixel(Position position) {
  const double value = position(1.0);
  if (std::isnan(value)) return std::nullopt;
  if (std::fabs(std::fabs(value - std::trunc(value)) - 0.5) < 1e-6) {
    const long double exact = position(1.0L);
    return static_cast<int>(std::nearbyint(std::clamp<long double>(exact, -pixel_limit, pixel_limit)));
  }
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

// The positions are computed in the type of `one`: double or long double.
std::optional<int> TFuncGraph::column_of(double x) const {
  return to_pixel([&]([[maybe_unused]] auto one) {
    using real = decltype(one);
    return (x - real(RangeMinX)) / (real(RangeMaxX) - RangeMinX) * width();
  });
}

// RangeMaxY lies on row 0 and RangeMinY on row Height; values outside the
// range are not clipped.
std::optional<int> TFuncGraph::row_of(double y) const {
  return to_pixel([&](auto one) {
    using real = decltype(one);
    return (one - (y - real(RangeMinY)) / (real(RangeMaxY) - RangeMinY)) * height();
  });
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
  // The handlers get the same x as ever: worked out in extended precision,
  // which costs little without a rounding to whole pixels.
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

// The pens and the brush that TFuncGraph owns. Each wraps a QPen or QBrush that
// is never replaced: assigning copies the attributes (colour, style, width)
// into it, and every change calls the owner's notification so that the graph
// repaints. Use them like QPen/QBrush:
//   graph->AddPlotPen.setStyle(Qt::DashLine);
//   graph->PlotPen = QPen(Qt::red);
#pragma once

#include <QBrush>
#include <QPen>

#include <functional>

class TGraphPen {
 public:
  TGraphPen(const QPen& initial, std::function<void()> changed);
  TGraphPen(const TGraphPen&) = delete;
  // Both copy colour, style and width only, then notify.
  TGraphPen& operator=(const TGraphPen& other);
  TGraphPen& operator=(const QPen& other);

  const QPen& pen() const { return pen_; }
  operator const QPen&() const { return pen_; }

  QColor color() const { return pen_.color(); }
  Qt::PenStyle style() const { return pen_.style(); }
  int width() const { return pen_.width(); }
  void setColor(const QColor& color);
  void setStyle(Qt::PenStyle style);
  void setWidth(int width);

 private:
  QPen pen_;
  std::function<void()> changed_;
};

class TGraphBrush {
 public:
  TGraphBrush(const QBrush& initial, std::function<void()> changed);
  TGraphBrush(const TGraphBrush&) = delete;
  // Both copy colour and style only, then notify.
  TGraphBrush& operator=(const TGraphBrush& other);
  TGraphBrush& operator=(const QBrush& other);

  const QBrush& brush() const { return brush_; }
  operator const QBrush&() const { return brush_; }

  QColor color() const { return brush_.color(); }
  Qt::BrushStyle style() const { return brush_.style(); }
  void setColor(const QColor& color);
  void setStyle(Qt::BrushStyle style);

 private:
  QBrush brush_;
  std::function<void()> changed_;
};

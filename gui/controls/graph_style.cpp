#include "graph_style.h"

#include <utility>

TGraphPen::TGraphPen(const QPen& initial, std::function<void()> changed)
    : pen_(initial), changed_(std::move(changed)) {}

TGraphPen& TGraphPen::operator=(const TGraphPen& other) { return *this = other.pen_; }

TGraphPen& TGraphPen::operator=(const QPen& other) {
  pen_.setColor(other.color());
  pen_.setStyle(other.style());
  pen_.setWidth(other.width());
  changed_();
  return *this;
}

void TGraphPen::setColor(const QColor& color) {
  pen_.setColor(color);
  changed_();
}

void TGraphPen::setStyle(Qt::PenStyle style) {
  pen_.setStyle(style);
  changed_();
}

void TGraphPen::setWidth(int width) {
  pen_.setWidth(width);
  changed_();
}

TGraphBrush::TGraphBrush(const QBrush& initial, std::function<void()> changed)
    : brush_(initial), changed_(std::move(changed)) {}

TGraphBrush& TGraphBrush::operator=(const TGraphBrush& other) { return *this = other.brush_; }

TGraphBrush& TGraphBrush::operator=(const QBrush& other) {
  brush_.setColor(other.color());
  brush_.setStyle(other.style());
  changed_();
  return *this;
}

void TGraphBrush::setColor(const QColor& color) {
  brush_.setColor(color);
  changed_();
}

void TGraphBrush::setStyle(Qt::BrushStyle style) {
  brush_.setStyle(style);
  changed_();
}

#include "potential_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

// Each shape as a function of u in [-1, 1] (u = 0 is x = 0) giving the curve's
// height in [0, 1] (0 at the bottom), plus the height of V = 0.
struct shape_curve {
  double zero_level;
  double (*height)(double u);
};

shape_curve curve_of(potential_shape shape) {
  switch (shape) {
    case potential_shape::square_well:
      return {0.75, [](double u) { return std::abs(u) <= 0.35 ? 0.15 : 0.75; }};
    case potential_shape::square_barrier:
      return {0.2, [](double u) { return std::abs(u) <= 0.35 ? 0.8 : 0.2; }};
    case potential_shape::step:
      return {0.2, [](double u) { return u >= 0 ? 0.7 : 0.2; }};
    case potential_shape::soft_core_atom:
      return {0.8, [](double u) { return 0.8 - 0.09 / std::sqrt(0.0125 + u * u); }};
    case potential_shape::none:
      break;
  }
  return {0.45, [](double) { return 0.45; }};
}

}  // namespace

QPixmap potential_picture(potential_shape shape, QSize size) {
  QPixmap picture(size);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);

  const QRectF area = QRectF(picture.rect()).adjusted(3, 3, -3, -3);
  const shape_curve curve = curve_of(shape);
  auto point_at = [&](double u, double h) {
    return QPointF(area.left() + (u + 1) / 2 * area.width(), area.bottom() - h * area.height());
  };

  painter.fillRect(area, QColor(250, 252, 255));
  QPen axis(QColor(160, 160, 170), 1, Qt::DashLine);
  painter.setPen(axis);
  painter.drawLine(point_at(-1, curve.zero_level), point_at(1, curve.zero_level));
  painter.drawLine(point_at(0, 0), point_at(0, 1));

  // Sampled finely enough for the vertical walls of the square shapes.
  QPainterPath path;
  const int samples = 400;
  for (int i = 0; i <= samples; ++i) {
    const double u = -1 + 2.0 * i / samples;
    const QPointF point = point_at(u, std::max(0.0, curve.height(u)));
    if (i == 0)
      path.moveTo(point);
    else
      path.lineTo(point);
  }
  QPainterPath filled = path;
  filled.lineTo(area.bottomRight());
  filled.lineTo(area.bottomLeft());
  filled.closeSubpath();
  painter.fillPath(filled, QColor(200, 220, 245));
  painter.setPen(QPen(QColor(20, 50, 140), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(path);
  return picture;
}

QPixmap welcome_picture(QSize size) {
  QPixmap picture(size);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area(picture.rect());
  QLinearGradient sky(area.topLeft(), area.bottomLeft());
  sky.setColorAt(0, QColor(18, 32, 78));
  sky.setColorAt(1, QColor(40, 90, 150));
  painter.fillRect(area, sky);

  // A square well with its lowest levels.
  const double zero = area.height() * 0.45;
  const double floor = area.height() * 0.9;
  const double left = area.width() * 0.3, right = area.width() * 0.7;
  painter.setPen(QPen(QColor(240, 240, 250), 2));
  painter.drawPolyline(QPolygonF{{0, zero}, {left, zero}, {left, floor}, {right, floor}, {right, zero},
                                 {area.width(), zero}});
  painter.setPen(QPen(QColor(150, 180, 230), 1, Qt::DashLine));
  for (double level : {0.84, 0.7, 0.5}) {
    const double y = area.height() * level;
    painter.drawLine(QPointF(left + 2, y), QPointF(right - 2, y));
  }

  // A Gaussian packet moving through it: envelope and real part.
  QPainterPath envelope, real_part;
  const double centre = area.width() * 0.5, width = area.width() * 0.13;
  const double base = zero, amplitude = area.height() * 0.25;
  for (int i = 0; i <= 300; ++i) {
    const double x = area.width() * i / 300.0;
    const double s = (x - centre) / width;
    const double g = std::exp(-s * s / 2);
    const QPointF e(x, base - amplitude * g);
    const QPointF r(x, base - amplitude * g * std::cos(s * 5.5));
    if (i == 0) {
      envelope.moveTo(e);
      real_part.moveTo(r);
    } else {
      envelope.lineTo(e);
      real_part.lineTo(r);
    }
  }
  painter.setPen(QPen(QColor(255, 190, 60), 2));
  painter.drawPath(envelope);
  painter.setPen(QPen(QColor(120, 230, 200), 1.4));
  painter.drawPath(real_part);

  QFont font = painter.font();
  font.setPixelSize(std::max(10, size.height() / 14));
  font.setItalic(true);
  painter.setFont(font);
  painter.setPen(QColor(255, 255, 255));
  painter.drawText(area.adjusted(0, 6, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                   QString::fromUtf8("iħ ∂ψ/∂t = Ĥψ"));
  return picture;
}

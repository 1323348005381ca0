#include "anchored_layout.h"

#include <QWidget>

#include <algorithm>
#include <utility>

namespace {

// The start and length along one axis: stretched between both edges, kept
// at the far edge, or left where it is.
std::pair<int, int> place(bool near, bool far, int designed_start, int start, int length, int far_gap,
                          int client) {
  if (near && far) return {designed_start, std::max(0, client - designed_start - far_gap)};
  if (far) return {client - far_gap - length, length};
  return {start, length};
}

}  // namespace

void anchored_layout::anchor(QWidget* control, unsigned edges) {
  const QRect placed = control->geometry();
  const QWidget* parent = control->parentWidget();
  const int width = parent ? parent->width() : 0;
  const int height = parent ? parent->height() : 0;
  controls_.push_back({control, edges, placed, width - placed.x() - placed.width(),
                       height - placed.y() - placed.height()});
}

void anchored_layout::apply(int client_width, int client_height) const {
  for (const anchored& a : controls_) {
    const QRect now = a.control->geometry();
    const auto [left, width] = place(a.edges & anchor_left, a.edges & anchor_right, a.designed.x(), now.x(),
                                     now.width(), a.right_gap, client_width);
    const auto [top, height] = place(a.edges & anchor_top, a.edges & anchor_bottom, a.designed.y(), now.y(),
                                     now.height(), a.bottom_gap, client_height);
    a.control->setGeometry(left, top, width, height);
  }
}

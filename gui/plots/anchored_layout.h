// Controls anchored to the edges of their window: each keeps its designed
// distance to the edges it is anchored to while the window is resized. A
// control anchored to both opposite edges stretches with the window, one
// anchored to the right (bottom) edge alone moves with it, one anchored to
// neither keeps its left (top) position. Sizes never go below zero.
//
//   anchored_layout layout;
//   layout.anchor(graph, anchor_left | anchor_top | anchor_right | anchor_bottom);
//   layout.anchor(button, anchor_right | anchor_bottom);
//   ... and in the window's resize handling: layout.apply(width(), height());
#pragma once

#include <QRect>

#include <vector>

class QWidget;

enum anchor_edges : unsigned {
  anchor_left = 1,
  anchor_top = 2,
  anchor_right = 4,
  anchor_bottom = 8,
};

class anchored_layout {
 public:
  // Records the control's present distances to the edges of its parent's
  // client area as the ones to keep.
  void anchor(QWidget* control, unsigned edges);

  // Places every anchored control for a client area of the given size.
  void apply(int client_width, int client_height) const;

 private:
  struct anchored {
    QWidget* control;
    unsigned edges;
    QRect designed;  // the placement when anchored
    int right_gap, bottom_gap;
  };
  std::vector<anchored> controls_;
};

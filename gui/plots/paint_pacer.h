// Paints at the screen's pace. The step handler changes what the windows
// show far more often than a screen can show it (a time step takes a few
// hundredths of a millisecond); painting each change on the spot would hold
// the run back. A change therefore only asks for a paint, and the widget is
// painted at most once per paint_interval_ms, after the last change of that
// interval: every value still reaches the screen, and the last picture of a
// run is the whole run.
//
// The paints come from a timer of the window thread. When that thread does
// not come round to it (the run itself is on the window thread), a request
// made long enough after the last paint paints on the spot instead, so the
// windows still follow such a run.
#pragma once

#include <utility>

class QWidget;

inline constexpr int paint_interval_ms = 30;

// Asks for a paint of the widget. Call on the window thread.
void paint_soon(QWidget& widget);

// Paints of the widget that a change would make on the spot (a progress
// bar's new value does) are held back until the widget's next paced paint.
void hold_paints(QWidget& widget);

// Makes a change that would paint the widget on the spot and asks for a
// paced paint instead.
template <typename Change>
void change_then_paint_soon(QWidget& widget, Change&& change) {
  hold_paints(widget);
  std::forward<Change>(change)();
  paint_soon(widget);
}

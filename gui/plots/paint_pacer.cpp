#include "paint_pacer.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

// Lives as a child of the widget it paints, so it goes with it.
class paint_pacer : public QObject {
 public:
  explicit paint_pacer(QWidget& widget) : QObject(&widget), widget_(widget) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { paint(false); });
  }

  void request() {
    if (timer_.isActive()) {
      // The window thread has not come round to the timer long after it
      // was due: it is busy with the run, so paint now.
      if (last_paint_.elapsed() >= 2 * paint_interval_ms) {
        timer_.stop();
        paint(true);
      }
      return;
    }
    const qint64 since = last_paint_.isValid() ? last_paint_.elapsed() : paint_interval_ms;
    timer_.start(static_cast<int>(std::clamp<qint64>(paint_interval_ms - since, 0, paint_interval_ms)));
    if (!last_paint_.isValid()) last_paint_.start();
  }

  void hold() {
    if (held_ || !widget_.updatesEnabled()) return;
    held_ = true;
    widget_.setUpdatesEnabled(false);
  }

 private:
  void paint(bool on_the_spot) {
    last_paint_.start();
    if (held_) {
      held_ = false;
      widget_.setUpdatesEnabled(true);  // asks for a paint of the whole widget
    }
    if (on_the_spot)
      widget_.repaint();
    else
      widget_.update();
  }

  QWidget& widget_;
  QTimer timer_;
  QElapsedTimer last_paint_;
  bool held_ = false;
};

paint_pacer& pacer_of(QWidget& widget) {
  for (QObject* child : widget.children())
    if (auto* pacer = dynamic_cast<paint_pacer*>(child)) return *pacer;
  return *new paint_pacer(widget);
}

}  // namespace

void paint_soon(QWidget& widget) { pacer_of(widget).request(); }

void hold_paints(QWidget& widget) { pacer_of(widget).hold(); }

// The handoff between the simulation thread and the window thread, with a
// plain thread for each: every event is carried out once, in order, on the
// serving thread, the deliverer goes on only after it, and the serving
// thread gets back to its event loop when the events pause.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

#include "step_handoff.h"

namespace {

// The window thread's event loop reduced to its wake-ups: one serve() per
// wake, an exception from it counted and the loop going on.
class window_loop {
 public:
  window_loop() : thread_([this] { loop(); }) {}
  ~window_loop() {
    {
      const std::lock_guard lock(mutex_);
      quit_ = true;
    }
    woken_.notify_all();
    thread_.join();
  }
  int wakes() {
    const std::lock_guard lock(mutex_);
    return wakes_;
  }
  int exceptions() {
    const std::lock_guard lock(mutex_);
    return exceptions_;
  }
  std::thread::id id() const { return thread_.get_id(); }

  step_handoff handoff{[this] { wake(); }};

 private:
  void wake() {
    {
      const std::lock_guard lock(mutex_);
      ++pending_;
      ++wakes_;
    }
    woken_.notify_all();
  }
  void loop() {
    std::unique_lock lock(mutex_);
    for (;;) {
      woken_.wait(lock, [this] { return pending_ > 0 || quit_; });
      if (pending_ == 0) return;
      --pending_;
      lock.unlock();
      try {
        handoff.serve();
      } catch (const std::runtime_error&) {
        lock.lock();
        ++exceptions_;
        continue;
      }
      lock.lock();
    }
  }

  std::mutex mutex_;
  std::condition_variable woken_;
  int pending_ = 0, wakes_ = 0, exceptions_ = 0;
  bool quit_ = false;
  std::thread thread_;
};

TEST(StepHandoff, EveryEventOnceInOrderOnTheServingThreadBeforeTheDelivererGoesOn) {
  window_loop window;
  std::vector<int> carried_out;  // written on the serving thread only
  std::vector<std::thread::id> threads;
  const int burst = 2000;
  for (int i = 0; i < burst; ++i) {
    window.handoff.deliver([&, i] {
      carried_out.push_back(i);
      threads.push_back(std::this_thread::get_id());
    });
    ASSERT_EQ(carried_out.size(), static_cast<std::size_t>(i + 1));
  }
  // A burst is served without a wake-up per event.
  EXPECT_LT(window.wakes(), burst / 10);

  // After a pause longer than the serving time the window thread is back in
  // its loop, and each new event wakes it again.
  const int wakes_after_burst = window.wakes();
  for (int i = burst; i < burst + 3; ++i) {
    std::this_thread::sleep_for(step_handoff::serving_time * 5);
    window.handoff.deliver([&, i] {
      carried_out.push_back(i);
      threads.push_back(std::this_thread::get_id());
    });
  }
  EXPECT_EQ(window.wakes(), wakes_after_burst + 3);
  ASSERT_EQ(carried_out.size(), static_cast<std::size_t>(burst + 3));
  for (int i = 0; i < burst + 3; ++i) {
    EXPECT_EQ(carried_out[i], i);
    EXPECT_EQ(threads[i], window.id());
  }
  window.handoff.close();
}

TEST(StepHandoff, AnEventThatThrowsReleasesTheDelivererAndTheNextOneStillComes) {
  window_loop window;
  window.handoff.deliver([] { throw std::runtime_error("handler failed"); });
  // The deliverer is released before the exception reaches the loop.
  for (int i = 0; i < 1000 && window.exceptions() == 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  EXPECT_EQ(window.exceptions(), 1);
  bool second = false;
  window.handoff.deliver([&] { second = true; });
  EXPECT_TRUE(second);
  window.handoff.close();
}

}  // namespace

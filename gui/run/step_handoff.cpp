#include "step_handoff.h"

#include <thread>
#include <utility>

namespace {

void spin_pause() {
#if defined(__x86_64__) || defined(__i386__)
  __builtin_ia32_pause();
#endif
}

}  // namespace

step_handoff::step_handoff(std::function<void()> wake) : wake_(std::move(wake)) {}

void step_handoff::deliver(std::function<void()> event) {
  std::unique_lock lock(mutex_);
  event_ = std::move(event);
  handled_.store(false, std::memory_order_relaxed);
  // serve() decides to stop under the same lock: either it still sees the
  // event, or this sees that it has stopped.
  const bool needs_wake = !serving_ && !wake_asked_;
  if (needs_wake) wake_asked_ = true;
  lock.unlock();
  if (needs_wake)
    wake_();
  else
    changed_.notify_all();
  // A serving window thread usually carries the event out within tens of
  // microseconds, and a thread put to sleep meanwhile takes about as long
  // again to be woken (far longer on a virtual machine): check a while first.
  const auto spin_end = std::chrono::steady_clock::now() + spin_time;
  for (int round = 1; !handled_.load(std::memory_order_acquire); ++round) {
    spin_pause();
    if (round % 64 != 0) continue;
    if (std::chrono::steady_clock::now() > spin_end) {
      lock.lock();
      changed_.wait(lock, [this] { return handled_.load(std::memory_order_relaxed); });
      return;
    }
    std::this_thread::yield();  // on a single core the window thread needs it
  }
}

void step_handoff::close() {
  {
    const std::lock_guard lock(mutex_);
    closed_ = true;
  }
  changed_.notify_all();
}

void step_handoff::serve() {
  const auto deadline = std::chrono::steady_clock::now() + serving_time;
  std::unique_lock lock(mutex_);
  wake_asked_ = false;
  serving_ = true;
  for (;;) {
    if (event_) {
      std::function<void()> event = std::exchange(event_, nullptr);
      lock.unlock();
      try {
        event();
      } catch (...) {
        lock.lock();
        handled_.store(true, std::memory_order_release);
        serving_ = false;
        lock.unlock();
        changed_.notify_all();
        throw;
      }
      lock.lock();
      handled_.store(true, std::memory_order_release);
      changed_.notify_all();
      continue;
    }
    if (closed_ || !changed_.wait_until(lock, deadline, [this] { return event_ || closed_; })) break;
  }
  serving_ = false;
}

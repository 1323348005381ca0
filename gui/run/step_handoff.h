// How the simulation thread hands the events of its steps to the window
// thread: it hands one over and waits until the window thread has carried it
// out, so that a handler sees the step's values exactly as the core left
// them and the run goes on only after the handler is done.
//
// Waking the window thread through its event loop costs tens of
// microseconds, more than a step of a small grid. So once woken, the window
// thread serves the run for a while: it carries out an event, then waits on
// the handoff itself for the next one, and goes back to its event loop when
// none has come within serving_time of the wake-up (or the run has ended).
// Paints, clicks and timers thus wait at most about that long. The
// simulation thread, for its part, checks for the end of the event for up
// to spin_time before it sleeps, since being woken costs as much again.
//
// The handoff is a mutex and a condition variable, which also tells thread
// checkers how the two threads' accesses are ordered.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

class step_handoff {
 public:
  static constexpr std::chrono::milliseconds serving_time{10};
  static constexpr std::chrono::microseconds spin_time{100};

  // wake: called on the simulation thread when the window thread is not
  // serving; it must make the window thread call serve() soon (a queued
  // call), and must not call serve() itself.
  explicit step_handoff(std::function<void()> wake);

  // Simulation thread: hands the event over and returns once the window
  // thread has carried it out (or it threw there).
  void deliver(std::function<void()> event);

  // Simulation thread: no more events come; a waiting serve() returns.
  void close();

  // Window thread: carries out the events handed over until none has come
  // within serving_time of the call or the handoff is closed. An exception
  // from an event ends the serving, releases the simulation thread and goes
  // on to the caller.
  void serve();

 private:
  std::function<void()> wake_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::function<void()> event_;  // handed over, not yet taken
  std::atomic<bool> handled_{true};  // the last event handed over has been carried out
  bool serving_ = false;         // serve() is running
  bool wake_asked_ = false;      // a wake is on its way and serve() not yet called
  bool closed_ = false;
};

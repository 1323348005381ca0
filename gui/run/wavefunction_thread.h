// TWavefunctionThread: one simulation run of tarn. It builds the grid and the
// wavefunction from the three working parameter files, propagates step by
// step, writes the final state and reports through two events.
//
// The events are signals. Their handlers work on windows, so the signals are
// emitted on the window thread, through a step_handoff, while the simulation
// waits for the handlers to return: connect handlers that live on the window
// thread as usual (directly). The end of a run is QThread's finished(),
// which launch_run turns into one end-of-run call per run.
//
// In multi-thread mode the object runs on its own thread and frees itself
// afterwards; in single-thread mode launch_run calls run() on the window
// thread, destroys the object and calls the end-of-run handler directly.
#pragma once

#include <QString>
#include <QThread>

#include <atomic>
#include <functional>

#include "step_handoff.h"

class TWavefunctionThread : public QThread {
  Q_OBJECT

 public:
  explicit TWavefunctionThread(QObject* parent = nullptr);

  // One simulation. Writes its messages to the core's message stream; ends
  // early, without the final file, the duration and "OK", when the grid or
  // the wavefunction cannot be built, a step fails, termination has been
  // requested after a step's event, or the program's fatal ending ran. A
  // result file that cannot be written takes the fatal ending.
  void run() override;

  // Asks the run to end after the current step's event; safe from any
  // thread, and heard in single-thread mode too (a handler may ask).
  void RequestTermination();
  bool TerminationRequested() const { return termination_requested_; }

  // The quantities of the last completed step, as the core returns them:
  // the time one step after it, the squared norm, the squared overlap with
  // the initial state and the mean position.
  struct StepQuantities {
    double Time = 0;
    double Norm = 0;
    double Correlation = 0;
    double Position = 0;
  };
  // Written by the run just before each step's event and read by that
  // event's handlers only. Reading them there is safe: in multi-thread mode
  // the run waits until the handler on the window thread returns (the
  // handoff's lock orders the write before the read and the read before the
  // next write); in single-thread mode it is one thread.
  StepQuantities Last;

 signals:
  // After every completed step; FileName is the plot file the step wrote,
  // empty when it wrote none.
  void OnStepForward(QObject* Sender, int StepNumber, const QString& FileName);
  // Once before the first step, when the potential file exists.
  void OnPotentialPlotSaved(QObject* Sender);
  // From the simulation thread: events wait in the handoff.
  void EventsWaiting();

 private:
  void simulate();
  // Emits an event on the window thread and returns when its handlers have.
  void deliver(const std::function<void()>& event);
  // After an event: the handler may have run into the fatal ending on the
  // window thread, where it could not unwind this run.
  static void stop_if_fatal_ending_ran();

  std::atomic<bool> termination_requested_{false};
  step_handoff handoff_;
};

// Carries out the run of a thread created with its handlers assigned.
// Multi-thread mode: the thread gets the normal priority, frees itself when
// its run ends and is started; on_end(thread) comes on context's thread once
// the run is over. Single-thread mode: the run happens here and now, then
// the object is destroyed and on_end(nullptr) is called.
void launch_run(TWavefunctionThread* thread, bool multi_thread, QObject* context,
                const std::function<void(QObject*)>& on_end);

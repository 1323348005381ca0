#include "wavefunction_thread.h"

#include <QMetaMethod>

#include <ctime>
#include <ostream>

#include "elapsed_time.h"
#include "fatal_ending.h"
#include "file_names.h"
#include "messages.h"
#include "parameter_files.h"
#include "run_sequence.h"
#include "strings_stream.h"
#include "wavefunction.h"

namespace {

// The steps run quietly, so that a step adds to the memo only on errors and
// warnings; set-up and clean-up tell everything.
constexpr int set_up_level = 0;
constexpr int step_level = 2;

}  // namespace

TWavefunctionThread::TWavefunctionThread(QObject* parent)
    : QThread(parent), handoff_([this] { emit EventsWaiting(); }) {
  // The object lives on the window thread, so the queued call lands there.
  connect(this, &TWavefunctionThread::EventsWaiting, this, [this] { handoff_.serve(); }, Qt::QueuedConnection);
}

void TWavefunctionThread::run() {
  // The window thread keeps writing to the same sink; this thread writes
  // through streams of its own.
  const TThreadMessageStreams own_streams;
  // The fatal ending has already shown its box, saved the log and asked the
  // program to end; the run only has to stop.
  try {
    simulate();
  } catch (const run_aborted&) {
  }
  handoff_.close();
}

void TWavefunctionThread::deliver(const std::function<void()>& event) {
  if (QThread::currentThread() == this)
    handoff_.deliver(event);
  else
    event();  // single-thread mode: already on the window thread
}

void TWavefunctionThread::RequestTermination() { termination_requested_ = true; }

void TWavefunctionThread::stop_if_fatal_ending_ran() {
  if (fatal_ending_reached()) throw run_aborted{};
}

void TWavefunctionThread::simulate() {
  std::ostream& out = message_stream();
  out << "Rozwiazywanie jednowymiarowego rownania Schrodingera\n";
  out << "TWavefunctionThread: watek obliczen funkcji falowej\n";
  const std::time_t start = std::time(nullptr);

  run_request request;
  request.grid_file = working_grid_file.toStdString();
  request.wavefunction_file = working_wavefunction_file.toStdString();
  request.message_level = set_up_level;
  request.step_level = step_level;
  request.before_steps = [this](wavefunction&) {
    if (file_exists(file_name(potential_file_name)) &&
        isSignalConnected(QMetaMethod::fromSignal(&TWavefunctionThread::OnPotentialPlotSaved))) {
      deliver([this] { emit OnPotentialPlotSaved(this); });
      stop_if_fatal_ending_ran();
    }
    return true;
  };
  const bool reports_steps = isSignalConnected(QMetaMethod::fromSignal(&TWavefunctionThread::OnStepForward));
  request.after_step = [this, reports_steps](int StepNumber, wavefunction& wave) {
    wave.get_quantities(Last.Time, Last.Norm, Last.Correlation, Last.Position);
    if (reports_steps) {
      const QString plot_file = QString::fromStdString(wave.last_plot_file);
      deliver([&] { emit OnStepForward(this, StepNumber, plot_file); });
      stop_if_fatal_ending_ran();
    }
    return !TerminationRequested();  // a stopped run has no final file, no duration, no "OK"
  };
  const run_end outcome = run_sequence(request);
  // Results that could not be written leave nothing to show: the fatal ending.
  if (outcome == run_end::write_failed) end_after_fatal_error();
  if (outcome != run_end::completed) return;

  const std::time_t end = std::time(nullptr);
  report_elapsed_time(static_cast<int>(end - start));
  out << "\nOK\n\n";
  out.flush();
}

void launch_run(TWavefunctionThread* thread, bool multi_thread, QObject* context,
                const std::function<void(QObject*)>& on_end) {
  if (multi_thread) {
    // finished() comes from the simulation thread after the run; both calls
    // are queued to the window thread, the end-of-run handler first.
    QObject::connect(thread, &QThread::finished, context, [thread, on_end] { on_end(thread); });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start(QThread::NormalPriority);
    return;
  }
  thread->run();
  delete thread;
  on_end(nullptr);
}

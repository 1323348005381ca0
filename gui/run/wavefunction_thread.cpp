#include "wavefunction_thread.h"

#include <QMetaMethod>

#include <ctime>
#include <memory>
#include <ostream>

#include "elapsed_time.h"
#include "fatal_ending.h"
#include "file_names.h"
#include "grid_parameters.h"
#include "messages.h"
#include "parameter_files.h"
#include "strings_stream.h"
#include "wavefunction.h"

namespace {

// The steps run quietly, so that a step adds to the memo only on errors and
// warnings; set-up and clean-up tell everything.
constexpr int set_up_level = 0;
constexpr int step_level = 2;

// A run that ends early destroys its objects without their farewell lines.
void end_early(const char* text, wavefunction* wave = nullptr) {
  error_line(text);
  if (wave) wave->set_message_level(step_level);
}

}  // namespace

TWavefunctionThread::TWavefunctionThread(QObject* parent) : QThread(parent) {}

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

  auto grid = std::make_unique<grid_parameters>(working_grid_file.toStdString(), set_up_level);
  if (grid->status != 0) return end_early("Blad: siec nie mogla byc prawidlowo zainicjowana\n\n");

  auto wave = std::make_unique<wavefunction>(*grid, working_wavefunction_file.toStdString(), set_up_level);
  if (wave->status != 0) return end_early("Blad: Funkcja falowa nie mogla byc prawidlowo zainicjowana\n\n", wave.get());
  wave->set_message_level(step_level);

  if (file_exists(file_name(potential_file_name)) &&
      isSignalConnected(QMetaMethod::fromSignal(&TWavefunctionThread::OnPotentialPlotSaved))) {
    emit OnPotentialPlotSaved(this);
    stop_if_fatal_ending_ran();
  }

  const bool reports_steps = isSignalConnected(QMetaMethod::fromSignal(&TWavefunctionThread::OnStepForward));
  for (int StepNumber = 1; StepNumber <= grid->tdim; ++StepNumber) {
    wave->step_forward();
    if (wave->status != 0)
      return end_early("Blad: obliczenia propagacji funkcji falowej spowodowaly blad\n\n", wave.get());
    wave->get_quantities(Last.Time, Last.Norm, Last.Correlation, Last.Position);
    if (reports_steps) {
      emit OnStepForward(this, StepNumber, QString::fromStdString(wave->last_plot_file));
      stop_if_fatal_ending_ran();
    }
    if (TerminationRequested()) return;  // no final file, no duration, no "OK"
  }

  wave->save_wavefunction(file_name(final_file_name));
  wave->set_message_level(set_up_level);
  wave.reset();
  grid.reset();

  const std::time_t end = std::time(nullptr);
  report_elapsed_time(static_cast<int>(end - start));
  out << "\nOK\n\n";
  out.flush();
}

Qt::ConnectionType run_event_connection(bool multi_thread) {
  return multi_thread ? Qt::BlockingQueuedConnection : Qt::DirectConnection;
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

// tarn against mirelo on the same run: the wizard writes its parameter files
// and runs them offscreen with both plot windows shown, then "mirelo -s2"
// runs the very same files. Prints the ratio of the two times for a fine grid
// with few plots and a coarse grid with many, in both thread modes, and what
// the handshake between the simulation thread and the window thread costs
// per step. The machine is shared and its load swings from minute to
// minute, so the two programs run in turns, the ratio is the median of the
// ratios of each turn, and the processor times (which the load hardly
// changes) are compared too.
//
// Not a Google Benchmark program: the whole run is the unit. Arguments are
// ignored; TARN_BENCH_REPEAT sets the number of runs per time (3).
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFocusEvent>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <sys/resource.h>

#include "dialogs.h"
#include "fatal_ending.h"
#include "main_form.h"
#include "plot_windows.h"
#include "wavefunction_thread.h"

namespace {

// Wall-clock and processor seconds of one run.
struct timing {
  double wall = 0;
  double cpu = 0;
};

double cpu_seconds(int who) {
  rusage usage{};
  getrusage(who, &usage);
  const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec * 1e-6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct run_case {
  const char* name;
  int points;
  int steps;
  int plot_every;
  double target;  // the ratio tarn / mirelo to stay under
};

// Boxes are counted, questions answered "no": a run must not wait for a click.
class quiet_boxes : public dialog_handler {
 public:
  void show_message(const QString& text) override { std::fprintf(stderr, "box: %s\n", qPrintable(text)); }
  bool ask_yes_no(QWidget*, const QString&) override { return false; }
};

// Turns the window thread's events until done() holds, as tarn's own loop
// would (no sleeping between events, which would hold every step back).
template <typename Condition>
void turn_events_until(Condition done) {
  QEventLoop loop;
  QTimer check;
  QObject::connect(&check, &QTimer::timeout, &loop, [&] {
    if (done()) loop.quit();
  });
  check.start(2);
  if (!done()) loop.exec();
}

void leave(QLineEdit* box) {
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QCoreApplication::sendEvent(box, &out);
}

// One run from the wizard; the wizard's defaults but for the grid page.
timing tarn_run(const run_case& c, bool multi_thread) {
  TMainForm form;
  create_plot_windows(form, form.VersionText());
  form.AttachPlotWindows();
  form.show();
  form.MultiThread = multi_thread;
  for (int i = 0; i < 6; ++i) form.Button2->click();
  form.Edit1->setText(QString::number(c.points));
  form.Edit6->setText(QString::number(c.steps));
  form.Edit4->setText(QString::number(c.plot_every));
  leave(form.Edit4);
  for (int i = 0; i < 2; ++i) form.Button2->click();  // the files are written
  turn_events_until([] { return true; });

  QElapsedTimer clock;
  const double cpu_before = cpu_seconds(RUSAGE_SELF);
  clock.start();
  form.Button2->click();  // the run
  turn_events_until([&] { return form.RunThread == nullptr; });
  QCoreApplication::processEvents();  // the last paints
  const timing result{clock.nsecsElapsed() * 1e-9, cpu_seconds(RUSAGE_SELF) - cpu_before};
  destroy_plot_windows();
  return result;
}

timing mirelo_run() {
  QElapsedTimer clock;
  const double cpu_before = cpu_seconds(RUSAGE_CHILDREN);
  clock.start();
  QProcess mirelo;
  mirelo.setStandardOutputFile(QProcess::nullDevice());
  mirelo.start(QStringLiteral(MIRELO_PROGRAM), {QStringLiteral("-s2")});
  if (!mirelo.waitForFinished(-1) || mirelo.exitCode() != 0) {
    std::fprintf(stderr, "mirelo -s2 failed\n");
    std::exit(1);
  }
  return {clock.nsecsElapsed() * 1e-9, cpu_seconds(RUSAGE_CHILDREN) - cpu_before};
}

// The simulation thread alone on the files in place, its step event either
// unconnected or handed to a handler that does nothing.
timing thread_run(bool with_handshake) {
  auto* thread = new TWavefunctionThread;
  QObject window_side;
  if (with_handshake)
    QObject::connect(thread, &TWavefunctionThread::OnStepForward, &window_side,
                     [](QObject*, int, const QString&) {});
  bool ended = false;
  QElapsedTimer clock;
  const double cpu_before = cpu_seconds(RUSAGE_SELF);
  clock.start();
  launch_run(thread, true, &window_side, [&](QObject*) { ended = true; });
  turn_events_until([&] { return ended; });
  return {clock.nsecsElapsed() * 1e-9, cpu_seconds(RUSAGE_SELF) - cpu_before};
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Runs first and second in turns; the medians of their wall and processor
// times and of the ratios first / second of each turn.
struct comparison {
  timing first, second;
  double wall_ratio = 0;
};

template <typename First, typename Second>
comparison in_turns(int repeat, First first, Second second) {
  std::vector<double> first_wall, first_cpu, second_wall, second_cpu, ratios;
  for (int i = 0; i < repeat; ++i) {
    const timing a = first();
    const timing b = second();
    first_wall.push_back(a.wall);
    first_cpu.push_back(a.cpu);
    second_wall.push_back(b.wall);
    second_cpu.push_back(b.cpu);
    ratios.push_back(a.wall / b.wall);
  }
  return {{median(first_wall), median(first_cpu)}, {median(second_wall), median(second_cpu)}, median(ratios)};
}

std::string load_average() {
  std::ifstream load("/proc/loadavg");
  std::string line;
  std::getline(load, line);
  return line + "\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  quiet_boxes boxes;
  set_dialog_handler(&boxes);
  install_fatal_ending();
  const int repeat =
      qEnvironmentVariableIsSet("TARN_BENCH_REPEAT") ? std::max(1, qEnvironmentVariableIntValue("TARN_BENCH_REPEAT")) : 3;

  QTemporaryDir scratch;
  QDir::setCurrent(scratch.path());
  const run_case cases[] = {{"4096 points, 20000 steps, a plot every 1000", 4096, 20000, 1000, 1.5},
                            {"1024 points, 20000 steps, a plot every 100", 1024, 20000, 100, 3.0}};
  std::printf("Machine load before: %s", load_average().c_str());
  for (const run_case& c : cases) {
    std::printf("%s\n", c.name);
    for (const bool multi_thread : {true, false}) {
      const comparison turns = in_turns(repeat, [&] { return tarn_run(c, multi_thread); }, mirelo_run);
      std::printf("  %-13s tarn %6.3f s (cpu %6.3f s), mirelo -s2 %6.3f s (cpu %6.3f s): ratio %5.2f, "
                  "cpu ratio %5.2f (at most %.1f)\n",
                  multi_thread ? "multi-thread" : "single-thread", turns.first.wall, turns.first.cpu,
                  turns.second.wall, turns.second.cpu, turns.wall_ratio, turns.first.cpu / turns.second.cpu,
                  c.target);
      std::fflush(stdout);
    }
  }
  // The files of the last case are in place.
  const comparison handshake = in_turns(repeat, [] { return thread_run(true); }, [] { return thread_run(false); });
  std::printf("Handshake per step (1024 points): %.1f us wall, %.1f us cpu (run with an empty handler %.3f s, "
              "alone %.3f s)\n",
              (handshake.first.wall - handshake.second.wall) / 20000 * 1e6,
              (handshake.first.cpu - handshake.second.cpu) / 20000 * 1e6, handshake.first.wall,
              handshake.second.wall);
  std::printf("Machine load after: %s", load_average().c_str());
  set_dialog_handler(nullptr);
  return 0;
}

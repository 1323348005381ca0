// Test support for simulation runs: a small parameter set that runs in a
// moment, waiting with the window thread's events turning (so that a blocked
// simulation thread gets its handler), and the time-quantities file.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QThread>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "wizard_parameters.h"

// 64 points on -20..20 and the given number of steps of 0.05, a plot file
// every fifth step, the Gaussian packet of the wizard's start values.
inline WizardParameters small_run_parameters(int tdim = 30) {
  WizardParameters values;
  values.xdim = 64;
  values.xmin = -20;
  values.xmax = 20;
  values.dx = 40.0 / 63;
  values.tdim = tdim;
  values.dt = 0.05;
  values.tmax = tdim * values.dt;
  values.co_ile_krokow_zapis_wykresu = 5;
  return values;
}

// Turns the window thread's events (deferred deletes included, which a
// loop of processEvents alone never delivers) until done() holds; false on
// the time-out. No nested event loop is entered, so a fatal ending's request
// to leave the loops cannot cut a later wait short.
template <typename Condition>
bool wait_until(Condition done, int timeout_ms = 60000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > timeout_ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QThread::msleep(1);
  }
  return true;
}

// Turns the events for a while, for things that must not happen.
inline void keep_turning(int milliseconds) {
  wait_until([] { return false; }, milliseconds);
}

// One line of "1d-timed.dat": t, norm, overlap, <x> (no projection column).
struct timed_line {
  double t = 0, norm = 0, overlap = 0, position = 0;
};

inline std::vector<timed_line> read_timed_file(const std::string& name = "1d-timed.dat") {
  std::ifstream file(name);
  std::vector<timed_line> lines;
  std::string line;
  while (std::getline(file, line)) {
    if (line.starts_with('#')) continue;
    std::istringstream values(line);
    timed_line entry;
    if (values >> entry.t >> entry.norm >> entry.overlap >> entry.position) lines.push_back(entry);
  }
  return lines;
}

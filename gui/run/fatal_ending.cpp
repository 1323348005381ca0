#include "fatal_ending.h"

#include <QCoreApplication>
#include <QThread>
#include <atomic>

#include "dialogs.h"
#include "log_file.h"
#include "messages.h"

namespace {

std::atomic<bool> ending_reached{false};

// Box, log and exit; runs on the window thread.
void close_down() {
  show_message(QStringLiteral("Tarn: Awaryjne zamknięcie programu - błąd obliczeń.\n"
                              "Komunikaty zapisane zostaną do pliku ") +
               QString::fromLatin1(log_file_name));
  save_log();
  QCoreApplication::exit(1);  // a failed run never ends the program with success
}

}  // namespace

void install_fatal_ending() {
  ending_reached = false;
  set_fatal_ending(&end_after_fatal_error);
}

void end_after_fatal_error() {
  // Only the first failure ends the program; a second one (the other thread
  // failing meanwhile) just unwinds its computation.
  if (!ending_reached.exchange(true)) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
      save_log();  // no windows to show a box on
    else if (QThread::currentThread() == app->thread())
      close_down();
    else
      QMetaObject::invokeMethod(app, &close_down, Qt::BlockingQueuedConnection);
  }
  throw run_aborted{};
}

bool fatal_ending_reached() { return ending_reached; }

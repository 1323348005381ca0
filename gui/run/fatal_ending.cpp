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

// Carries a failing simulation thread's call of close_down to the window
// thread. The call goes by the slot's name, so everything it carries is
// made inside Qt, and a thread checker sees no memory of ours handed over
// behind Qt's (to it invisible) locks.
class window_thread_closer : public QObject {
  Q_OBJECT
 public slots:
  void CloseDown() { close_down(); }
};

// Made on the window thread by the first install_fatal_ending and kept for
// the program's life.
window_thread_closer* closer = nullptr;

}  // namespace

void install_fatal_ending() {
  if (!closer) closer = new window_thread_closer;
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
    else if (closer)
      QMetaObject::invokeMethod(closer, "CloseDown", Qt::BlockingQueuedConnection);
    else  // never installed: the same call, marshalled by Qt as a function
      QMetaObject::invokeMethod(app, &close_down, Qt::BlockingQueuedConnection);
  }
  throw run_aborted{};
}

bool fatal_ending_reached() { return ending_reached; }

#include "fatal_ending.moc"

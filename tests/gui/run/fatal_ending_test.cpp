#include "fatal_ending.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <gtest/gtest.h>

#include "core_capture.h"
#include "dialog_recorder.h"
#include "log_file.h"
#include "messages.h"
#include "strings_stream.h"

namespace {

const QString box_text = QStringLiteral(
    "Tarn: Awaryjne zamknięcie programu - błąd obliczeń.\nKomunikaty zapisane zostaną do pliku tarn.log");

// Notes on which thread the box was shown.
struct thread_noting_recorder : dialog_recorder {
  void show_message(const QString& text) override {
    shown_on = QThread::currentThread();
    dialog_recorder::show_message(text);
  }
  QThread* shown_on = nullptr;
};

// A computation that fails at its third step the way the core fails.
class failing_run : public QThread {
 public:
  std::atomic<int> steps{0};
  std::atomic<bool> unwound{false};

 protected:
  void run() override {
    try {
      for (int step = 1; step <= 10; ++step) {
        message_stream() << "krok " << step << "\n";
        steps = step;
        if (step == 3) fatal_error("Root must be bracketed for bisection in rtbis");
      }
    } catch (const run_aborted&) {
      unwound = true;
    }
  }
};

class FatalEnding : public testing::Test {
 protected:
  FatalEnding() {
    create_message_sink(&memo);
    install_fatal_ending();
  }
  core_capture capture;  // scratch directory; restores the core's streams and ending afterwards
  QPlainTextEdit memo;
  thread_noting_recorder boxes;
};

}  // namespace

TEST_F(FatalEnding, WorkerFailureShowsTheBoxSavesTheLogQuitsAndStops) {
  testing::internal::CaptureStdout();  // the alarm
  failing_run run;
  QTimer guard;  // never hang the suite
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  guard.start(20000);
  run.start();
  const int code = QCoreApplication::exec();
  ASSERT_TRUE(run.wait(20000));
  testing::internal::GetCapturedStdout();

  EXPECT_EQ(code, 1);
  EXPECT_EQ(boxes.messages, QStringList{box_text});
  EXPECT_EQ(boxes.shown_on, qApp->thread());
  EXPECT_TRUE(run.unwound);
  EXPECT_EQ(run.steps, 3);
  EXPECT_TRUE(fatal_ending_reached());
  const std::string log = core_capture::read_file(log_file_name);
  EXPECT_EQ(log, "krok 1\r\nkrok 2\r\nkrok 3\r\n\r\n\t*** Root must be bracketed for bisection in rtbis\r\n");
}

TEST_F(FatalEnding, OnTheWindowThreadItUnwindsToTheCallerOnce) {
  testing::internal::CaptureStdout();
  message_stream() << "przed bledem";
  EXPECT_THROW(fatal_line("Odwolanie do nieistniejacego stanu studni potencjalu"), run_aborted);
  // A second failure only unwinds: no second box, the log stays as saved.
  message_stream() << "\npo bledzie\n";
  EXPECT_THROW(end_after_fatal_error(), run_aborted);
  testing::internal::GetCapturedStdout();

  EXPECT_EQ(boxes.messages, QStringList{box_text});
  EXPECT_EQ(core_capture::read_file(log_file_name),
            "przed bledem\r\n\t*** Odwolanie do nieistniejacego stanu studni potencjalu\r\n");
}

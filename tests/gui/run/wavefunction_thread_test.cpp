// The simulation thread: its run in both thread modes, its events and where
// they are handled, the quantities it reports, and the ways a run ends early.
#include <gtest/gtest.h>

#include <QPointer>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core_capture.h"
#include "dialog_recorder.h"
#include "fatal_ending.h"
#include "parameter_files.h"
#include "run_test_support.h"
#include "strings_stream.h"
#include "wavefunction_thread.h"

namespace {

struct step_seen {
  int step;
  std::string file;
  bool file_existed;
  bool on_window_thread;
  double time, norm, correlation, position;
};

// One run with recording handlers, in the scratch directory, with tarn's
// sink as both core streams and tarn's fatal ending armed.
class ThreadRun : public testing::Test {
 protected:
  void SetUp() override {
    sink_ = std::make_unique<TStringsStream>(nullptr);
    set_message_streams(*sink_, *sink_);
    install_fatal_ending();
  }
  void TearDown() override { install_fatal_ending(); }

  void write_files(const WizardParameters& values) { write_working_files(values, false); }

  // Runs to the end; on_step may act on the thread at each step.
  void run(bool multi_thread, std::function<void(TWavefunctionThread&, int)> on_step = {}) {
    auto* thread = new TWavefunctionThread;
    QPointer<TWavefunctionThread> alive(thread);
    QObject::connect(
        thread, &TWavefunctionThread::OnStepForward, &window_,
        [this, on_step](QObject* sender, int step, const QString& file) {
          auto& source = *static_cast<TWavefunctionThread*>(sender);
          steps.push_back({step, file.toStdString(), std::filesystem::exists(file.toStdString()),
                           QThread::currentThread() == window_.thread(), source.Last.Time, source.Last.Norm,
                           source.Last.Correlation, source.Last.Position});
          if (on_step) on_step(source, step);
        });
    QObject::connect(thread, &TWavefunctionThread::OnPotentialPlotSaved, &window_,
                     [this](QObject*) { potential_events.push_back(static_cast<int>(steps.size())); });
    launch_run(thread, multi_thread, &window_, [this](QObject* sender) {
      end_senders.push_back(sender);
      ended_on_window_thread = QThread::currentThread() == window_.thread();
    });
    ASSERT_TRUE(wait_until([&] { return !end_senders.empty() && alive.isNull(); }));
    keep_turning(20);  // a second end-of-run call would come now
  }

  std::string raw_text() const {
    QString all;
    for (const QString& line : sink_->lines()) all += line + '\n';
    return all.toStdString();
  }

  core_capture capture_;
  dialog_recorder boxes_;
  std::unique_ptr<TStringsStream> sink_;
  QObject window_;
  std::vector<step_seen> steps;
  std::vector<int> potential_events;
  std::vector<QObject*> end_senders;
  bool ended_on_window_thread = false;
};

void expect_complete_run(const std::vector<step_seen>& steps, int tdim) {
  ASSERT_EQ(static_cast<int>(steps.size()), tdim);
  const std::vector<timed_line> timed = read_timed_file();
  ASSERT_EQ(static_cast<int>(timed.size()), tdim + 1);
  for (int j = 1; j <= tdim; ++j) {
    const step_seen& seen = steps[j - 1];
    EXPECT_EQ(seen.step, j);
    EXPECT_TRUE(seen.on_window_thread);
    // The plot file of every fifth step, still there when its event comes.
    const std::string plot = "plt" + std::string(j < 10 ? "0000" : "000") + std::to_string(j) + ".dat";
    EXPECT_EQ(seen.file, j % 5 == 0 ? plot : "");
    if (!seen.file.empty()) {
      EXPECT_TRUE(seen.file_existed);
    }
    EXPECT_NEAR(seen.norm, timed[j].norm, 1e-5 * std::abs(timed[j].norm));
    EXPECT_NEAR(seen.correlation, timed[j].overlap, 1e-5 * std::abs(timed[j].overlap) + 1e-12);
    EXPECT_NEAR(seen.position, timed[j].position, 1e-5 * std::abs(timed[j].position) + 1e-9);
    EXPECT_NEAR(seen.time, (j + 1) * 0.05, 1e-12);  // one step after the state's node
  }
}

TEST_F(ThreadRun, MultiThreadRunReportsEveryStepOnTheWindowThread) {
  write_files(small_run_parameters(30));
  run(true);
  expect_complete_run(steps, 30);
  EXPECT_EQ(potential_events, std::vector<int>{0});  // once, before the first step
  ASSERT_EQ(end_senders.size(), 1u);
  EXPECT_NE(end_senders[0], nullptr);
  EXPECT_TRUE(ended_on_window_thread);
  EXPECT_TRUE(std::filesystem::exists("psi_stop.dat"));
  const std::string all = raw_text();
  EXPECT_TRUE(all.starts_with("Rozwiazywanie jednowymiarowego rownania Schrodingera\nTWavefunctionThread"));
  EXPECT_NE(all.find("Usuwanie funkcji falowej..."), std::string::npos);
  EXPECT_NE(all.find("\nCzas trwania obliczen: "), std::string::npos);
  EXPECT_TRUE(all.ends_with(" sek.\n\nOK\n\n")) << all.substr(all.size() - 60);
  // The steps themselves run quietly: no step line after construction's.
  EXPECT_EQ(all.find("1. t="), std::string::npos);
}

TEST_F(ThreadRun, SingleThreadRunIsPlainCallsOnTheWindowThread) {
  write_files(small_run_parameters(30));
  run(false);
  expect_complete_run(steps, 30);
  EXPECT_EQ(potential_events, std::vector<int>{0});
  EXPECT_EQ(end_senders, std::vector<QObject*>{nullptr});
  EXPECT_TRUE(std::filesystem::exists("psi_stop.dat"));
  EXPECT_TRUE(raw_text().ends_with("\nOK\n\n"));
}

TEST_F(ThreadRun, NoTimeStepsStillWritesTheFinalFile) {
  write_files(small_run_parameters(0));
  run(true);
  EXPECT_TRUE(steps.empty());
  EXPECT_TRUE(std::filesystem::exists("psi_stop.dat"));
  EXPECT_TRUE(raw_text().ends_with("\nOK\n\n"));
}

TEST_F(ThreadRun, NoPotentialFileNoPotentialEvent) {
  WizardParameters values = small_run_parameters(5);
  values.v_save = 0;
  write_files(values);
  run(true);
  EXPECT_TRUE(potential_events.empty());
  EXPECT_EQ(steps.size(), 5u);
}

TEST_F(ThreadRun, TerminationTakesEffectAfterTheStepsEvent) {
  write_files(small_run_parameters(100));
  for (bool multi_thread : {true, false}) {
    steps.clear();
    end_senders.clear();
    std::filesystem::remove("psi_stop.dat");
    run(multi_thread, [](TWavefunctionThread& thread, int step) {
      if (step == 5) thread.RequestTermination();
    });
    ASSERT_EQ(steps.size(), 5u);
    EXPECT_EQ(steps.back().step, 5);
    EXPECT_EQ(end_senders.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists("psi_stop.dat"));
    const std::string all = raw_text();
    EXPECT_EQ(all.find("OK"), std::string::npos);
    EXPECT_EQ(all.find("Czas trwania"), std::string::npos);
  }
}

TEST_F(ThreadRun, MissingGridEndsTheRun) {
  run(true);
  EXPECT_TRUE(steps.empty());
  EXPECT_EQ(end_senders.size(), 1u);
  const std::string all = raw_text();
  EXPECT_TRUE(all.ends_with("\n\t*** Blad: siec nie mogla byc prawidlowo zainicjowana\n\n")) << all;
  EXPECT_FALSE(std::filesystem::exists("psi_stop.dat"));
}

TEST_F(ThreadRun, BadWavefunctionFileEndsTheRun) {
  write_files(small_run_parameters(10));
  core_capture::write_file("1d-psi.par", "2.0\n");
  run(false);
  EXPECT_TRUE(steps.empty());
  EXPECT_EQ(end_senders.size(), 1u);
  const std::string all = raw_text();
  EXPECT_TRUE(all.ends_with("\n\t*** Blad: Funkcja falowa nie mogla byc prawidlowo zainicjowana\n\n")) << all;
  EXPECT_EQ(all.find("Usuwanie"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists("psi_stop.dat"));
}

TEST_F(ThreadRun, FatalEndingInAHandlerStopsTheRun) {
  write_files(small_run_parameters(30));
  for (bool multi_thread : {true, false}) {
    install_fatal_ending();
    steps.clear();
    end_senders.clear();
    boxes_.messages.clear();
    run(multi_thread, [](TWavefunctionThread&, int step) {
      if (step != 10) return;
      try {
        end_after_fatal_error();
      } catch (const run_aborted&) {
      }
    });
    EXPECT_EQ(steps.size(), 10u) << multi_thread;
    EXPECT_EQ(end_senders.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists("psi_stop.dat"));
    ASSERT_EQ(boxes_.messages.size(), 1);
    EXPECT_TRUE(boxes_.messages[0].startsWith("Tarn: Awaryjne zamknięcie programu - błąd obliczeń."));
    EXPECT_TRUE(std::filesystem::exists("tarn.log"));
    EXPECT_EQ(raw_text().find("OK"), std::string::npos);
  }
}

TEST_F(ThreadRun, FatalCoreErrorDuringConstructionStopsTheRun) {
  WizardParameters values = small_run_parameters(10);
  values.typ_funkcji_pocz = 0;
  values.nazwa_pliku = "nie-ma.dat";
  write_files(values);
  run(true);
  EXPECT_TRUE(steps.empty());
  EXPECT_EQ(end_senders.size(), 1u);
  EXPECT_EQ(boxes_.messages.size(), 1);
  EXPECT_NE(raw_text().find("Brak pliku poczatkowej funkcji falowej! (nie-ma.dat)"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists("psi_stop.dat"));
}

// A result that cannot be written takes the fatal ending: box, log, no "OK".
TEST_F(ThreadRun, UnwritableResultTakesTheFatalEnding) {
  write_files(small_run_parameters(10));
  std::filesystem::create_symlink("/dev/full", "psi_stop.dat");
  run(true);
  EXPECT_EQ(end_senders.size(), 1u);
  EXPECT_EQ(boxes_.messages.size(), 1);
  EXPECT_NE(raw_text().find("Blad zapisu pliku (psi_stop.dat)"), std::string::npos);
  EXPECT_EQ(raw_text().find("OK"), std::string::npos);
}

}  // namespace

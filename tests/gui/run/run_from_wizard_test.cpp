// Runs started from the wizard as a user starts them: the pages walked with
// "Dalej >", the working files written, the run watched in both thread
// modes, stopped by "Przerwij" or by closing the window, and the plot files
// deleted or offered for deletion.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

#include <filesystem>
#include <memory>

#include "core_capture.h"
#include "dialog_recorder.h"
#include "fatal_ending.h"
#include "main_form.h"
#include "parameter_files.h"
#include "parameter_summary.h"
#include "plot_form.h"
#include "plot_windows.h"
#include "run_test_support.h"
#include "strings_stream.h"
#include "time_plot_form.h"

namespace {

std::vector<std::string> file_lines(const std::string& name) {
  std::vector<std::string> lines;
  std::istringstream text(core_capture::read_file(name));
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

std::string plot_name(int step) {
  char name[32];
  std::snprintf(name, sizeof name, "plt%05d.dat", step);
  return name;
}

// The wizard with its two plot windows, shown, in a scratch directory.
class WizardRun : public testing::Test {
 protected:
  WizardRun() {
    QLocale::setDefault(QLocale::c());  // labels and the memo with a point
    form = std::make_unique<TMainForm>();
    create_plot_windows(*form, form->VersionText());
    form->AttachPlotWindows();
    form->show();
    install_fatal_ending();
  }
  ~WizardRun() override {
    EXPECT_TRUE(wait_until([&] { return form->RunThread == nullptr; }));
    destroy_plot_windows();
    form.reset();
    QLocale::setDefault(previous_locale);
  }

  void press_next(int times = 1) {
    for (int i = 0; i < times; ++i) form->Button2->click();
  }
  void leave(QLineEdit* box) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(box, &out);
  }
  // 64 points on -20..20, steps of 0.05, a plot file every fifth step.
  void choose_small_grid(int tdim) {
    form->Edit1->setText("64");
    form->Edit2->setText("-20");
    form->Edit3->setText("20");
    form->Edit6->setText(QString::number(tdim));
    form->Edit8->setText("0.05");
  }
  // From the start page through the defining pages to the run.
  void run_defined(int tdim) {
    press_next(6);
    choose_small_grid(tdim);
    press_next(3);
  }
  bool run_ended() {
    return wait_until([&] { return form->RunThread == nullptr; });
  }
  // Calls act once the step handler has moved the bar to the step, inside
  // that step's event (the simulation waits meanwhile).
  void at_step(int step, std::function<void()> act) {
    QObject::connect(form->ProgressBar1, &QProgressBar::valueChanged, form.get(), [step, act](int value) {
      if (value == step) act();
    });
  }
  std::string memo1() const { return form->Memo1->toPlainText().toStdString(); }

  QLocale previous_locale;
  core_capture capture;
  dialog_recorder boxes;
  std::unique_ptr<TMainForm> form;
};

TEST_F(WizardRun, SevenTimesNextWritesTheWorkingFilesAndSumsUp) {
  press_next();  // to the choice of the parameters' source, "Definiuj własnoręcznie" kept
  press_next(7);
  ASSERT_EQ(form->Notebook1->currentIndex(), 8);
  EXPECT_EQ(file_lines("1d-grid.par"),
            (std::vector<std::string>{"1.00000000000000e+00", "1024 -1.00000000000000e+02 1.00000000000000e+02",
                                      "1000 0.00000000000000e+00 1.00000000000000e-01"}));
  EXPECT_EQ(file_lines("1d-psi.par"),
            (std::vector<std::string>{"1.00000000000000e+00", "1 brak",
                                      "0.00000000000000e+00 5.00000000000000e-01 0.00000000000000e+00 1", "5 0 0 0",
                                      "0", "0 brak"}));
  EXPECT_EQ(file_lines("1d-eq.par")[6], "0 1.00000000000000e+00 5.00000000000000e+00");
  EXPECT_EQ(file_lines("1d-eq.par")[9], "1 0");

  QStringList expected{"Zapisuję parametry symulacji do plików roboczych:", "1d-grid.par (wersja 1)",
                       "1d-eq.par (wersja 1)", "1d-psi.par (wersja 1)"};
  expected << summary_lines(form->Parameters, saved_copies{}, QDir::toNativeSeparators(QDir::currentPath()))
           << parameter_test_lines(form->Parameters);
  EXPECT_EQ(form->Memo2->toPlainText().split('\n'), expected);
  EXPECT_EQ(form->Memo2->toPlainText().split('\n')[6], QDir::currentPath());
  EXPECT_TRUE(boxes.messages.isEmpty());

  // Leaving Edit4 once makes the function interval follow the plot interval.
  leave(form->Edit4);
  form->Button3->click();
  press_next();
  EXPECT_EQ(file_lines("1d-psi.par")[3], "5 5 0 0");
  EXPECT_EQ(form->Memo2->toPlainText().split('\n').size(), expected.size());  // emptied first

  // A well state carries the potential's width and depth.
  form->ListBox1->setCurrentRow(2);
  form->Button3->click();
  press_next();
  EXPECT_EQ(file_lines("1d-psi.par")[1], "2 brak");
  EXPECT_TRUE(file_lines("1d-psi.par")[2].starts_with("0 ")) << file_lines("1d-psi.par")[2];
}

TEST_F(WizardRun, SaveToNamedFilesCopiesTheWrittenFiles) {
  press_next();
  form->CheckBox1->setChecked(true);
  form->Edit9->setText("moja-siatka.par");
  press_next(7);
  EXPECT_EQ(core_capture::read_file("moja-siatka.par"), core_capture::read_file("1d-grid.par"));
  const QStringList memo = form->Memo2->toPlainText().split('\n');
  EXPECT_TRUE(memo.contains("Siatka: moja-siatka.par"));
  EXPECT_TRUE(memo.contains("Potencjał i pole: 1d-eq.par (plik domyślny)"));
}

TEST_F(WizardRun, CompleteRunOnItsOwnThread) {
  run_defined(30);
  EXPECT_EQ(form->Notebook1->currentIndex(), TMainForm::LastPage);
  EXPECT_FALSE(form->Button2->isEnabled());
  ASSERT_TRUE(run_ended());

  const std::string memo = memo1();
  EXPECT_NE(memo.find("\nCzas trwania obliczen: "), std::string::npos);
  EXPECT_TRUE(memo.ends_with(" sek.\n\nOK\n\n")) << memo.substr(memo.size() - 80);
  EXPECT_TRUE(std::filesystem::exists("psi_stop.dat"));

  const std::vector<timed_line> timed = read_timed_file();
  ASSERT_EQ(timed.size(), 31u);
  ASSERT_EQ(TimePlotForm->NormData.size(), 31u);
  for (int j = 1; j <= 30; ++j) {
    EXPECT_NEAR(TimePlotForm->NormData[j], timed[j].norm, 1e-5 * timed[j].norm) << j;
    EXPECT_NEAR(TimePlotForm->CorrelationData[j], timed[j].overlap, 1e-5 * timed[j].overlap + 1e-12) << j;
    EXPECT_NEAR(TimePlotForm->PositionData[j], (timed[j].position + 20) / 40, 1e-6) << j;
    // "po pokazaniu na wykresie": each plot file went once it was shown.
    EXPECT_FALSE(std::filesystem::exists(plot_name(j))) << j;
  }
  EXPECT_EQ(form->ProgressBar1->maximum(), 30);
  EXPECT_EQ(form->ProgressBar1->value(), 30);
  EXPECT_EQ(PlotForm->PointCount, 65);
  EXPECT_GT(PlotForm->WaveData[32], 0);
  EXPECT_TRUE(form->Button5->isEnabled());
  EXPECT_TRUE(form->Button3->isEnabled());
  EXPECT_TRUE(form->Button10->isHidden());
  EXPECT_TRUE(boxes.questions.isEmpty());
  EXPECT_TRUE(boxes.messages.isEmpty()) << boxes.messages.join('\n').toStdString();
}

TEST_F(WizardRun, CompleteRunOnTheWindowThread) {
  form->MultiThread = false;
  bool cancel_enabled_during_run = true;
  at_step(10, [&] { cancel_enabled_during_run = form->Button1->isEnabled(); });
  run_defined(30);
  // The run has happened within the last press.
  EXPECT_EQ(form->RunThread, nullptr);
  EXPECT_FALSE(cancel_enabled_during_run);
  EXPECT_TRUE(form->Button1->isEnabled());
  EXPECT_TRUE(memo1().ends_with("\nOK\n\n"));
  EXPECT_TRUE(std::filesystem::exists("psi_stop.dat"));
  const std::vector<timed_line> timed = read_timed_file();
  ASSERT_EQ(timed.size(), 31u);
  for (int j = 1; j <= 30; ++j) {
    EXPECT_NEAR(TimePlotForm->NormData[j], timed[j].norm, 1e-5 * timed[j].norm) << j;
    EXPECT_NEAR(TimePlotForm->CorrelationData[j], timed[j].overlap, 1e-5 * timed[j].overlap + 1e-12) << j;
  }
  EXPECT_EQ(form->ProgressBar1->value(), 30);
}

TEST_F(WizardRun, AskingAtTheEndListsAndDeletesThePlotFilesOfEveryRun) {
  press_next(6);
  form->RadioButton5->setChecked(true);
  choose_small_grid(30);
  press_next(3);
  ASSERT_TRUE(run_ended());
  QStringList first_run;
  for (int step = 5; step <= 30; step += 5) first_run << QString::fromStdString(plot_name(step));
  EXPECT_EQ(form->FilesToDelete, first_run);
  EXPECT_EQ(boxes.questions, QStringList("Czy chcesz skasować pliki z funkcjami falowymi?"));
  boxes.answer = false;  // the first run's question was answered Yes: ask again with No
  for (const QString& name : first_run) EXPECT_FALSE(QFile::exists(name));

  // No keeps the files; a later Yes deletes both runs' files.
  form->Obliczenia();
  ASSERT_TRUE(run_ended());
  for (const QString& name : first_run) EXPECT_TRUE(QFile::exists(name));
  form->Edit4->setText("3");
  leave(form->Edit4);
  form->Button3->click();  // back to page 8 rewrites the files
  form->Button3->click();
  press_next();
  EXPECT_EQ(form->Notebook1->currentIndex(), 8);
  boxes.answer = true;
  press_next();
  ASSERT_TRUE(run_ended());
  EXPECT_EQ(boxes.questions.size(), 3);
  EXPECT_EQ(form->FilesToDelete.size(), 12 + 10);
  for (const QString& name : form->FilesToDelete) EXPECT_FALSE(QFile::exists(name)) << name.toStdString();
}

TEST_F(WizardRun, StopButtonEndsTheRunAfterTheCurrentStep) {
  at_step(10, [&] { form->Button10->click(); });
  run_defined(200);
  ASSERT_TRUE(run_ended());
  EXPECT_NE(TimePlotForm->NormData[10], 0);
  EXPECT_EQ(TimePlotForm->NormData[11], 0);
  EXPECT_EQ(form->ProgressBar1->value(), 10);
  EXPECT_FALSE(std::filesystem::exists("psi_stop.dat"));
  EXPECT_EQ(memo1().find("OK"), std::string::npos);
  EXPECT_TRUE(form->Button10->isHidden());
  EXPECT_TRUE(form->Button5->isEnabled());
}

TEST_F(WizardRun, ClosingDuringARunAsksFirst) {
  // No: the program and the run go on to the end.
  boxes.answer = false;
  at_step(10, [&] { EXPECT_FALSE(form->close()); });
  run_defined(30);
  ASSERT_TRUE(run_ended());
  EXPECT_EQ(boxes.questions, QStringList("Obliczenia trwają. Czy na pewno chcesz zakończyć program?"));
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(std::filesystem::exists("psi_stop.dat"));
  EXPECT_TRUE(memo1().ends_with("\nOK\n\n"));
}

TEST_F(WizardRun, ClosingDuringARunEndsItAfterTheStepThenCloses) {
  bool visible_while_stopping = false;
  at_step(10, [&] {
    form->close();
    visible_while_stopping = form->isVisible();
  });
  run_defined(200);
  ASSERT_TRUE(wait_until([&] { return !form->isVisible(); }));
  EXPECT_TRUE(visible_while_stopping);  // the window waits for the simulation
  EXPECT_EQ(form->RunThread, nullptr);
  EXPECT_EQ(TimePlotForm->NormData[11], 0);
  EXPECT_FALSE(std::filesystem::exists("psi_stop.dat"));
  ASSERT_TRUE(std::filesystem::exists("tarn.log"));
  const std::string log = core_capture::read_file("tarn.log");
  EXPECT_NE(log.find("Rozwiazywanie jednowymiarowego rownania Schrodingera\r\n"), std::string::npos);
  EXPECT_EQ(log.find("OK"), std::string::npos);
}

TEST_F(WizardRun, RunEndingWhileTheCloseQuestionIsOpenLetsTheCloseGoAhead) {
  // The question's own event loop keeps the run going to its end.
  struct answer_after_run : dialog_recorder {
    TMainForm* form = nullptr;
    bool ask_yes_no(const QString& text) override {
      EXPECT_TRUE(wait_until([&] { return form->RunThread == nullptr; }));
      return dialog_recorder::ask_yes_no(text);
    }
  } late;
  late.form = form.get();
  run_defined(30);
  ASSERT_NE(form->RunThread, nullptr);
  EXPECT_TRUE(form->close());
  set_dialog_handler(&boxes);
  EXPECT_FALSE(form->isVisible());
  EXPECT_FALSE(form->CloseAfterRun);
  EXPECT_TRUE(std::filesystem::exists("tarn.log"));
  EXPECT_TRUE(memo1().ends_with("\nOK\n\n"));
}

TEST_F(WizardRun, NamedFilesWithAMissingOneRunOnTheOldWorkingFile) {
  WizardParameters old_values = small_run_parameters(20);
  write_working_files(old_values, false);
  WizardParameters named = small_run_parameters(40);
  named.co_ile_krokow_zapis_wykresu = 10;
  core_capture::write_file("moje-psi.par", wavefunction_file_text(named, false));
  core_capture::write_file("moje-eq.par", equation_file_text(named));
  press_next();
  form->RadioButton1->setChecked(true);
  form->Edit9->setText("brak-siatki.par");
  form->Edit10->setText("moje-eq.par");
  form->Edit11->setText("moje-psi.par");
  press_next();
  EXPECT_EQ(form->Notebook1->currentIndex(), TMainForm::LastPage);
  ASSERT_TRUE(run_ended());
  EXPECT_EQ(boxes.messages, QStringList("Błąd: plik brak-siatki.par nie istnieje"));
  EXPECT_EQ(core_capture::read_file("1d-psi.par"), wavefunction_file_text(named, false));
  EXPECT_EQ(form->ProgressBar1->maximum(), 20);  // the old grid's steps
  EXPECT_EQ(form->ProgressBar1->value(), 20);
  EXPECT_TRUE(memo1().ends_with("\nOK\n\n"));
}

TEST_F(WizardRun, DefaultFilesModeRunsWhatIsThere) {
  write_working_files(small_run_parameters(10), false);
  press_next();
  form->RadioButton3->setChecked(true);
  press_next();
  ASSERT_TRUE(run_ended());
  EXPECT_TRUE(boxes.messages.isEmpty());
  EXPECT_TRUE(memo1().ends_with("\nOK\n\n"));
}

TEST_F(WizardRun, SecondStartDuringARunOnlyShowsTheRunsPage) {
  at_step(5, [&] {
    form->Notebook1->setCurrentIndex(8);
    form->Obliczenia();
  });
  run_defined(30);
  ASSERT_TRUE(run_ended());
  EXPECT_EQ(form->Notebook1->currentIndex(), TMainForm::LastPage);
  EXPECT_EQ(read_timed_file().size(), 31u);  // one run only
}

}  // namespace

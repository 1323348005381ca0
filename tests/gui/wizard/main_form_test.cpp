// The wizard window: its size and place, the named controls with their
// captions, ranges and start states, page navigation and closing.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include "core_capture.h"
#include "dialog_recorder.h"
#include "func_graph.h"
#include "main_form.h"
#include "messages.h"
#include "run_test_support.h"

namespace {

class MainFormTest : public testing::Test {
 protected:
  template <typename Widget>
  Widget* control(const char* name) {
    auto* found = form.findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  void press_next(int times = 1) {
    for (int i = 0; i < times; ++i) form.Button2->click();
  }

  // The last page starts a run, which writes into the current directory.
  core_capture scratch;
  dialog_recorder boxes;
  TMainForm form;
  bool run_ended() {
    return wait_until([&] { return form.RunThread == nullptr; });
  }
};

TEST_F(MainFormTest, WindowSizePlaceAndCaption) {
  EXPECT_EQ(form.size(), QSize(553, 361));
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_EQ(form.pos(), QPoint(10, 10));
  EXPECT_EQ(form.windowTitle(), form.VersionText() + ":  Powitanie");
  EXPECT_FALSE(form.VersionText().isEmpty());
  EXPECT_TRUE(form.VersionLabel->font().bold());
  EXPECT_TRUE(form.MultiThread);
  EXPECT_TRUE(boxes.messages.isEmpty());
}

TEST_F(MainFormTest, SharedButtonsAndPages) {
  EXPECT_EQ(control<QPushButton>("Button1")->text(), "Anuluj");
  EXPECT_EQ(control<QPushButton>("Button2")->text(), "Dalej >");
  EXPECT_EQ(control<QPushButton>("Button3")->text(), "< Wstecz");
  EXPECT_EQ(control<QPushButton>("Button10")->text(), "Przerwij");
  EXPECT_EQ(control<QPushButton>("Button4")->text(), "Zapisz");
  EXPECT_EQ(control<QPushButton>("Button5")->text(), "Quick Start");
  EXPECT_EQ(control<QCheckBox>("CheckBox2")->text(), "Wykres funkcji falowej");
  EXPECT_EQ(control<QCheckBox>("CheckBox3")->text(), "Wykres wielkości zal. od czasu");
  EXPECT_TRUE(form.Button2->isEnabled());
  EXPECT_FALSE(form.Button3->isEnabled());
  EXPECT_TRUE(form.Button10->isHidden());
  EXPECT_TRUE(form.Button4->isHidden());
  EXPECT_TRUE(form.Button5->isHidden());
  EXPECT_EQ(form.Button10->geometry(), form.Button2->geometry());
  EXPECT_EQ(form.Button10->parentWidget(), form.Button2->parentWidget());
  EXPECT_TRUE(form.CheckBox2->isChecked());
  EXPECT_TRUE(form.CheckBox3->isChecked());

  ASSERT_EQ(control<QStackedWidget>("Notebook1")->count(), 10);
  const char* captions[] = {"Powitanie", "Pobieranie parametrów symulacji", "Wybór potencjału",
                            "Wybór pakietu falowego", "Wybór impulsu lasera", "Wybór modulacji impulsu lasera",
                            "Wybór parametrów sieci", "Parametry potencjału absorbującego", "Podsumowanie",
                            "Obliczenia"};
  for (int page = 0; page < 10; ++page) {
    EXPECT_EQ(TMainForm::PageCaptions[page], QString::fromUtf8(captions[page]));
    EXPECT_EQ(form.Notebook1->widget(page)->windowTitle(), QString::fromUtf8(captions[page]));
  }
  EXPECT_EQ(form.Notebook1->currentIndex(), 0);
}

TEST_F(MainFormTest, SlidersHaveTheirRangesTicksAndPositions) {
  struct expected {
    const char* name;
    int minimum, maximum, tick, position;
  };
  const expected bars[] = {
      {"TrackBar7", 0, 100, 10, 0},     {"TrackBar8", 0, 100, 10, 0},     {"TrackBar1", -1000, 1000, 100, 0},
      {"TrackBar3", 0, 100, 10, 5},     {"TrackBar2", -100, 100, 10, 0},  {"TrackBar4", 0, 1000, 100, 0},
      {"TrackBar5", 0, 1000, 100, 50},  {"TrackBar6", -314, 314, 63, 157}, {"TrackBar9", 0, 1000, 100, 0},
      {"TrackBar10", 0, 1000, 100, 0},  {"TrackBar11", 0, 1000, 100, 0},  {"TrackBar12", 0, 100, 10, 100},
  };
  for (const expected& bar : bars) {
    auto* slider = control<QSlider>(bar.name);
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->minimum(), bar.minimum) << bar.name;
    EXPECT_EQ(slider->maximum(), bar.maximum) << bar.name;
    EXPECT_EQ(slider->tickInterval(), bar.tick) << bar.name;
    EXPECT_EQ(slider->value(), bar.position) << bar.name;
  }
}

TEST_F(MainFormTest, BoxesAndChoicesStartAsDesigned) {
  struct box {
    const char* name;
    const char* text;
  };
  const box boxes_at_start[] = {{"Edit1", "1024"}, {"Edit2", "-100"}, {"Edit3", "100"}, {"Edit6", "1000"},
                                {"Edit7", "0"},    {"Edit8", "0.1"},  {"Edit4", "5"},   {"Edit5", "0"},
                                {"Edit13", "5"},   {"Edit12", ""},    {"Edit10", "1d-eq.par"},
                                {"Edit11", "1d-psi.par"}, {"Edit9", "1d-grid.par"}};
  for (const box& b : boxes_at_start) {
    auto* edit = control<QLineEdit>(b.name);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QString::fromUtf8(b.text)) << b.name;
  }

  struct choice {
    const char* name;
    const char* caption;
    bool checked;
  };
  const choice choices[] = {
      {"RadioButton1", "Z plików", false},
      {"RadioButton3", "Z plików domyślnych (powtórzenie ostatnich obliczeń)", false},
      {"RadioButton2", "Definiuj własnoręcznie", true},
      {"RadioButton4", "po pokazaniu na wykresie", true},
      {"RadioButton5", "pytaj po zakończeniu", false},
      {"RadioButton6", "Potencjał absorbujący na brzegach sieci jest włączony", false},
      {"RadioButton7", "Brzeg sieci jest nieskończoną barierą potencjału", true},
  };
  for (const choice& c : choices) {
    auto* radio = control<QRadioButton>(c.name);
    ASSERT_NE(radio, nullptr);
    EXPECT_EQ(radio->text(), QString::fromUtf8(c.caption)) << c.name;
    EXPECT_EQ(radio->isChecked(), c.checked) << c.name;
  }
  EXPECT_EQ(control<QCheckBox>("CheckBox1")->text(), "Zapisz do plików");
  EXPECT_FALSE(form.CheckBox1->isChecked());
  EXPECT_TRUE(form.Panel2->isHidden());
  for (const char* name : {"Button6", "Button7", "Button8", "Button11"})
    EXPECT_EQ(control<QPushButton>(name)->text(), "Przeglądaj ...");

  for (const char* name : {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4", "SpeedButton5"}) {
    auto* button = control<QToolButton>(name);
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->icon().isNull()) << name;
    EXPECT_EQ(button->isChecked(), QLatin1String(name) == QLatin1String("SpeedButton5")) << name;
  }
  ASSERT_EQ(control<QListWidget>("ListBox1")->count(), 4);
  EXPECT_EQ(form.ListBox1->item(0)->text(), "Czytaj z pliku...");
  EXPECT_EQ(form.ListBox1->item(3)->text(), "Metoda strzałów dla gładkiego potencjału");
  EXPECT_EQ(form.ListBox1->currentRow(), 1);

  EXPECT_TRUE(control<QPlainTextEdit>("Memo1")->isReadOnly());
  EXPECT_TRUE(control<QPlainTextEdit>("Memo2")->isReadOnly());
  auto* progress = control<QProgressBar>("ProgressBar1");
  EXPECT_EQ(progress->minimum(), 0);
  EXPECT_EQ(progress->maximum(), 100);
  for (const char* name : {"Panel3", "Panel4", "Panel5", "Panel6", "Label1", "Label2", "Label3", "Label24", "Label25",
                           "Label30", "Label35", "Label36", "Label37", "Label38", "Label40", "Label41", "Label42",
                           "Label48", "Label51", "Label54", "Label60", "Label61", "Label64"})
    EXPECT_NE(form.findChild<QWidget*>(QLatin1String(name)), nullptr) << name;
}

TEST_F(MainFormTest, PulsePreviewSettingsAndPlace) {
  auto* graph = control<TFuncGraph>("PulseGraph");
  ASSERT_NE(graph, nullptr);
  EXPECT_EQ(graph->RangeMinX, 0.0);
  EXPECT_DOUBLE_EQ(graph->RangeMaxX, 62.8);
  EXPECT_EQ(graph->RangeMinY, -1.0);
  EXPECT_EQ(graph->RangeMaxY, 1.0);
  EXPECT_EQ(graph->AddPlotPen.style(), Qt::DashLine);
  EXPECT_FALSE(graph->XZeroAxis || graph->YZeroAxis);
  EXPECT_EQ(graph->toolTip(), "Wykres pola elektrycznego w funkcji czasu");

  auto expect_in = [&](QWidget* frame) {
    EXPECT_EQ(graph->parentWidget(), frame);
    EXPECT_EQ(graph->geometry(), QRect(-1, -1, frame->width() + 2, frame->height() + 2));
  };
  expect_in(form.PulseFrame4);
  form.Notebook1->setCurrentIndex(5);
  expect_in(form.PulseFrame5);
  form.Notebook1->setCurrentIndex(6);
  expect_in(form.PulseFrame4);
}

TEST_F(MainFormTest, NextWalksThroughEveryPageWhenDefiningByHand) {
  form.Edit6->setText("0");  // the run that the last page starts has no steps
  for (int page = 1; page <= TMainForm::LastPage; ++page) {
    press_next();
    ASSERT_EQ(form.Notebook1->currentIndex(), page);
    EXPECT_EQ(form.windowTitle(), form.VersionText() + ":  " + TMainForm::PageCaptions[page]);
    // During the run "< Wstecz" is locked.
    if (page != TMainForm::LastPage) {
      EXPECT_TRUE(form.Button3->isEnabled());
    }
    EXPECT_EQ(form.Button2->isEnabled(), page != TMainForm::LastPage);
    EXPECT_EQ(form.Button1->text(), page == TMainForm::LastPage ? "Zakończ" : "Anuluj");
  }
  ASSERT_TRUE(run_ended());
  EXPECT_TRUE(form.Button3->isEnabled());
  form.Button3->click();
  EXPECT_EQ(form.Notebook1->currentIndex(), 8);
  form.Button3->click();
  EXPECT_EQ(form.Notebook1->currentIndex(), 7);
  for (int i = 0; i < 7; ++i) form.Button3->click();
  EXPECT_EQ(form.Notebook1->currentIndex(), 0);
  EXPECT_FALSE(form.Button3->isEnabled());
  EXPECT_EQ(form.Button1->text(), "Anuluj");
}

TEST_F(MainFormTest, FileModesSkipTheDefiningPages) {
  press_next();
  form.RadioButton1->setChecked(true);
  EXPECT_FALSE(form.Panel2->isHidden());
  press_next();  // the named files are taken and the run's page follows
  EXPECT_EQ(form.Notebook1->currentIndex(), TMainForm::LastPage);
  ASSERT_TRUE(run_ended());  // there are no files: it ends at once
  form.Button3->click();
  EXPECT_EQ(form.Notebook1->currentIndex(), 1);

  form.RadioButton3->setChecked(true);
  EXPECT_TRUE(form.Panel2->isHidden());
  press_next();
  EXPECT_EQ(form.Notebook1->currentIndex(), TMainForm::LastPage);
  ASSERT_TRUE(run_ended());
  form.Button3->click();
  EXPECT_EQ(form.Notebook1->currentIndex(), 1);
  form.Button3->click();
  EXPECT_EQ(form.Notebook1->currentIndex(), 0);

  form.RadioButton2->setChecked(true);
  EXPECT_TRUE(form.Panel2->isHidden());
  form.CheckBox1->setChecked(true);  // own values kept in named files too
  EXPECT_FALSE(form.Panel2->isHidden());
}

TEST_F(MainFormTest, Memo1ShowsTheMessageStream) {
  message_stream() << "abc" << 12 << "\nOK\n";
  EXPECT_EQ(form.Memo1->toPlainText(), "abc12\nOK\n");
}

// Answers the next file dialog as soon as it shows: chooses the file (or
// cancels when the choice is empty) and notes how the dialog was set up.
// Any other modal window that comes up meanwhile is closed, so that nothing
// can block the test.
struct file_dialog_answer {
  QString choice;
  QString title, directory, suffix;
  QStringList filters;
  bool existing_only = false;

  // The timer keeps its own state: it may tick once more after the test.
  void arm() {
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer,
                     [this, timer, handled = QPointer<QFileDialog>(), answered = false]() mutable {
                       QWidget* modal = QApplication::activeModalWidget();
                       if (answered) {
                         if (!handled || !handled->isVisible()) {
                           timer->deleteLater();
                         } else if (modal && modal != handled) {
                           modal->close();  // something refused the answer
                         } else {
                           handled->reject();
                         }
                         return;
                       }
                       auto* dialog = qobject_cast<QFileDialog*>(modal);
                       if (!dialog) {
                         if (modal) modal->close();
                         return;
                       }
                       answered = true;
                       handled = dialog;
                       answer(*dialog);
                     });
    timer->start(10);
  }

  void answer(QFileDialog& dialog) {
    title = dialog.windowTitle();
    directory = dialog.directory().absolutePath();
    suffix = dialog.defaultSuffix();
    filters = dialog.nameFilters();
    existing_only = dialog.fileMode() == QFileDialog::ExistingFile;
    // Queued, so that this tick ends: a box that the dialog opens in
    // answer is closed by a later tick.
    if (choice.isEmpty()) {
      QMetaObject::invokeMethod(&dialog, &QDialog::reject, Qt::QueuedConnection);
    } else {
      // Typed into the name box, as a user does.
      if (auto* name_box = dialog.findChild<QLineEdit*>("fileNameEdit"))
        name_box->setText(choice);
      else
        dialog.selectFile(choice);
      QMetaObject::invokeMethod(&dialog, &QDialog::accept, Qt::QueuedConnection);
    }
  }
};

TEST_F(MainFormTest, BrowsingTakesTheChosenFileAndItsLeaveHandler) {
  core_capture::write_file("start.dat", "#\n");
  core_capture::write_file("siatka.par", "1.0\n");
  file_dialog_answer answer;
  answer.choice = QDir::current().absoluteFilePath("start.dat");
  answer.arm();
  form.Edit12->setText("stary.dat");
  form.Button11->click();
  EXPECT_EQ(form.Edit12->text(), answer.choice);
  EXPECT_EQ(form.Parameters.nazwa_pliku, answer.choice);
  EXPECT_EQ(answer.title, "Wybierz plik");
  EXPECT_EQ(answer.directory, QDir::currentPath());
  EXPECT_EQ(answer.suffix, "dat");
  EXPECT_TRUE(answer.existing_only);
  EXPECT_EQ(answer.filters, QStringList({"Funkcje falowe (*.dat)", "Wszystkie pliki (*)"}));

  file_dialog_answer parameters;
  parameters.choice = QDir::current().absoluteFilePath("siatka.par");
  parameters.arm();
  form.Button6->click();
  EXPECT_EQ(form.Edit9->text(), parameters.choice);
  EXPECT_EQ(parameters.filters, QStringList({"Parametry symulacji (*.par)", "Wszystkie pliki (*)"}));
}

TEST_F(MainFormTest, CancelledBrowsingChangesNothing) {
  file_dialog_answer cancel;
  cancel.arm();
  form.Button7->click();
  EXPECT_EQ(form.Edit10->text(), "1d-eq.par");
  EXPECT_EQ(cancel.title, "Wybierz plik");
}

TEST_F(MainFormTest, HiddenButtonsWriteTheFilesAndStartARun) {
  form.Edit6->setText("3");
  form.Button4->click();
  EXPECT_TRUE(QFile::exists("1d-grid.par"));
  EXPECT_TRUE(QFile::exists("1d-eq.par"));
  EXPECT_TRUE(QFile::exists("1d-psi.par"));
  EXPECT_EQ(form.Memo2->toPlainText().split('\n').first(), "Zapisuję parametry symulacji do plików roboczych:");
  form.Button5->click();
  EXPECT_EQ(form.Notebook1->currentIndex(), TMainForm::LastPage);
  EXPECT_FALSE(form.Button5->isEnabled());
  EXPECT_FALSE(form.Button10->isHidden());
  ASSERT_TRUE(run_ended());
  EXPECT_TRUE(form.Button5->isEnabled());
  EXPECT_TRUE(form.Memo1->toPlainText().endsWith("\nOK\n\n"));
}

TEST_F(MainFormTest, RunWithoutGridEndsAndGivesTheButtonsBack) {
  form.Button5->click();
  ASSERT_TRUE(run_ended());
  EXPECT_TRUE(form.Memo1->toPlainText().endsWith("\n\t*** Blad: siec nie mogla byc prawidlowo zainicjowana\n\n"));
  EXPECT_TRUE(form.Button3->isEnabled());
  EXPECT_TRUE(form.Button10->isHidden());
}

TEST(MainFormClose, ClosingSavesTheLog) {
  core_capture scratch;
  dialog_recorder boxes;
  TMainForm form;
  form.show();
  message_stream() << "komunikat";
  core_capture::write_file("tarn.log", "stary log\r\n");
  form.Button1->click();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(core_capture::read_file("tarn.log"), "komunikat\r\n");
}

}  // namespace

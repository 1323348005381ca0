#include "main_form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFocusEvent>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStackedWidget>
#include <QTextCursor>
#include <QToolButton>

#include <new>
#include <utility>

#include "dialogs.h"
#include "fatal_ending.h"
#include "func_graph.h"
#include "grid_parameters.h"
#include "log_file.h"
#include "parameter_files.h"
#include "parameter_summary.h"
#include "plot_arrays.h"
#include "plot_form.h"
#include "plot_windows.h"
#include "step_handler.h"
#include "strings_stream.h"
#include "thread_mode.h"
#include "time_plot_form.h"
#include "wavefunction_thread.h"
#include "wizard_numbers.h"

namespace {

// Adds lines at the end of a memo. A memo that holds nothing takes them as
// its whole text, so that a first empty line is kept as a line.
void append_lines(QPlainTextEdit& memo, const QStringList& lines) {
  if (lines.isEmpty()) return;
  if (memo.document()->isEmpty()) {
    memo.setPlainText(lines.join(QLatin1Char('\n')));
    return;
  }
  QTextCursor cursor(memo.document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(QLatin1Char('\n') + lines.join(QLatin1Char('\n')));
}

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QWidget(parent) {
  BuildPages();
  MultiThread = choose_multithread_mode(QCoreApplication::arguments());
  move(10, 10);
  create_message_sink(Memo1);
  FilesToDelete.clear();

  PlacePulseGraph(PulseFrame4);
  Parameters.grid_version = Parameters.equation_version = Parameters.wavefunction_version = 1.0;

  RadioButton1Click();
  WyborPotencjalu(SpeedButton5);
  ListBox1->setCurrentRow(1);
  WyborFunkcjiPocz();
  TrackBar1Change();
  TrackBar3Change();
  TrackBar2Change();
  Edit4Exit();
  Edit5Exit();
  Parameters.n = 1;
  Notebook1->setCurrentIndex(0);
  Notebook1PageChanged();
  Edit1Exit();
  Edit6Exit();
  Edit5Exit();
  Edit6Exit();
  TrackBar4Change();

  Parameters.nazwa_pliku = QStringLiteral("brak");
  Parameters.rzutuj_na_plik = 0;
  Parameters.rzutuj_nazwa_pliku = QStringLiteral("brak");
  Parameters.co_ile_krokow_zapis_funkcji = 0;  // until Edit4 is left once
  Parameters.co_ile_krokow_zapis_fft = 0;
  UseWellParameters = false;
  Parameters.cechowanie_hamiltonianu = 0;
  Parameters.pA_cechowanie_mieszane = 0;
  Parameters.e_save = 0;
  Parameters.v_save = 1;
  Parameters.typ_pot_absorb = 0;
  Parameters.Uo_abs = Parameters.a_abs = 0;
  Parameters.Uor_abs = Parameters.Nr_abs = Parameters.Ni_abs = 0;

  Edit13Exit();
  TrackBar12Change();
  RadioButton6Click();

  // Connected last, so that the set-up above runs every handler exactly once
  // and in its order.
  ConnectHandlers();
}

TMainForm::~TMainForm() {
  AbandonRun();
}

void TMainForm::AbandonRun() {
  if (!RunThread || !MultiThread) return;
  TWavefunctionThread* thread = RunThread;
  // The run may wait for a handler here; disconnected and with its pending
  // call dropped (which releases it), it runs to its termination check.
  QObject::disconnect(thread, nullptr, nullptr, nullptr);
  QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
  if (PlotForm) QCoreApplication::removePostedEvents(PlotForm, QEvent::MetaCall);
  thread->RequestTermination();
  thread->wait();
  delete thread;
}

QString TMainForm::VersionText() const { return VersionLabel->text(); }

void TMainForm::AttachPlotWindows() {
  if (PlotForm) {
    PlotForm->setAttribute(Qt::WA_QuitOnClose, false);
    connect(PlotForm, &TPlotForm::closed, CheckBox2, [this] { CheckBox2->setChecked(false); });
    PlotForm->setVisible(CheckBox2->isChecked());
  }
  if (TimePlotForm) {
    TimePlotForm->setAttribute(Qt::WA_QuitOnClose, false);
    connect(TimePlotForm, &TTimePlotForm::closed, CheckBox3, [this] { CheckBox3->setChecked(false); });
    TimePlotForm->setVisible(CheckBox3->isChecked());
  }
}

void TMainForm::ConnectHandlers() {
  connect(PotentialButtons, &QButtonGroup::buttonClicked, this, &TMainForm::WyborPotencjalu);
  connect(TrackBar7, &QSlider::valueChanged, this, &TMainForm::TrackBar7Change);
  connect(TrackBar8, &QSlider::valueChanged, this, &TMainForm::TrackBar8Change);
  connect(ListBox1, &QListWidget::currentRowChanged, this, &TMainForm::WyborFunkcjiPocz);
  connect(TrackBar1, &QSlider::valueChanged, this, &TMainForm::TrackBar1Change);
  connect(TrackBar3, &QSlider::valueChanged, this, &TMainForm::TrackBar3Change);
  connect(TrackBar2, &QSlider::valueChanged, this, &TMainForm::TrackBar2Change);
  for (QSlider* bar : {TrackBar4, TrackBar5, TrackBar6, TrackBar9, TrackBar10, TrackBar11})
    connect(bar, &QSlider::valueChanged, this, &TMainForm::TrackBar4Change);
  for (QLineEdit* edit : {Edit1, Edit2, Edit3}) connect(edit, &QLineEdit::textChanged, this, &TMainForm::Edit1Exit);
  for (QLineEdit* edit : {Edit6, Edit7, Edit8}) connect(edit, &QLineEdit::textChanged, this, &TMainForm::Edit6Exit);
  // Leaving a box runs its handler whether or not the text changed, and the
  // number boxes check what they hold.
  for (QLineEdit* edit : NumberBoxes()) edit->installEventFilter(this);
  Edit12->installEventFilter(this);
  connect(RadioButton6, &QRadioButton::toggled, this, &TMainForm::RadioButton6Click);
  connect(TrackBar12, &QSlider::valueChanged, this, &TMainForm::TrackBar12Change);
  connect(CheckBox2, &QCheckBox::toggled, this, &TMainForm::CheckBox2Click);
  connect(CheckBox3, &QCheckBox::toggled, this, &TMainForm::CheckBox3Click);

  for (QAbstractButton* button : {static_cast<QAbstractButton*>(RadioButton1), static_cast<QAbstractButton*>(RadioButton2),
                                  static_cast<QAbstractButton*>(RadioButton3), static_cast<QAbstractButton*>(CheckBox1)})
    connect(button, &QAbstractButton::toggled, this, &TMainForm::RadioButton1Click);
  connect(Button6, &QPushButton::clicked, this, [this] { BrowseForFile(Edit9, file_kind::parameters); });
  connect(Button7, &QPushButton::clicked, this, [this] { BrowseForFile(Edit10, file_kind::parameters); });
  connect(Button8, &QPushButton::clicked, this, [this] { BrowseForFile(Edit11, file_kind::parameters); });
  connect(Button11, &QPushButton::clicked, this, [this] { BrowseForFile(Edit12, file_kind::wavefunction); });

  connect(Notebook1, &QStackedWidget::currentChanged, this, &TMainForm::Notebook1PageChanged);
  connect(Button1, &QPushButton::clicked, this, &QWidget::close);
  connect(Button2, &QPushButton::clicked, this, &TMainForm::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TMainForm::Button3Click);
  connect(Button10, &QPushButton::clicked, this, &TMainForm::Button10Click);
  connect(Button4, &QPushButton::clicked, this, &TMainForm::Zapisz);
  connect(Button5, &QPushButton::clicked, this, &TMainForm::Obliczenia);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    // Switching to another window or opening a popup keeps the focus in the box.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      if (watched == Edit4) Edit4Exit();
      if (watched == Edit5) Edit5Exit();
      if (watched == Edit12) Edit12Exit();
      if (watched == Edit13) Edit13Exit();
      // Checked once the focus has settled: a box shown inside the focus
      // change would leave a clicked button pressed.
      auto* box = qobject_cast<QLineEdit*>(watched);
      if (box && box != Edit12 && !ReturningFocus)
        QMetaObject::invokeMethod(this, [this, box] { CheckLeftBox(box); }, Qt::QueuedConnection);
    }
  }
  return QWidget::eventFilter(watched, event);
}

QList<QLineEdit*> TMainForm::NumberBoxes() const { return {Edit1, Edit2, Edit3, Edit6, Edit7, Edit8, Edit4, Edit5, Edit13}; }

bool TMainForm::HoldsNumber(const QLineEdit* box) const {
  if (box == Edit4 || box == Edit5) return TextToInteger(box->text()).has_value();
  return TextToReal(box->text()).has_value();
}

void TMainForm::CheckLeftBox(QLineEdit* box) {
  // Back in the box already (by the user, or "Dalej >" refused): nothing to say.
  if (QApplication::focusWidget() == box || HoldsNumber(box)) return;
  RefuseToLeave(box);
}

bool TMainForm::PageBoxesHoldNumbers() {
  QWidget* page = Notebook1->currentWidget();
  for (QLineEdit* box : NumberBoxes()) {
    if (page->isAncestorOf(box) && box->isVisibleTo(page) && !HoldsNumber(box)) {
      RefuseToLeave(box);
      return false;
    }
  }
  return true;
}

void TMainForm::RefuseToLeave(QLineEdit* box) {
  if (box == Edit4 || box == Edit5)
    ReportNotAnInteger(box->text());
  else
    ReportNotAReal(box->text());
  for (int page = 0; page < Notebook1->count(); ++page)
    if (Notebook1->widget(page)->isAncestorOf(box)) Notebook1->setCurrentIndex(page);
  ReturningFocus = true;
  box->setFocus(Qt::OtherFocusReason);
  ReturningFocus = false;
}

void TMainForm::PlacePulseGraph(QWidget* frame) {
  PulseGraph->setParent(frame);
  PulseGraph->setGeometry(-1, -1, frame->width() + 2, frame->height() + 2);
  PulseGraph->show();
}

void TMainForm::Notebook1PageChanged() {
  const int page = Notebook1->currentIndex();
  Button3->setEnabled(page != 0);
  Button2->setEnabled(page != LastPage);
  Button1->setText(page == LastPage ? QStringLiteral("Zakończ") : QStringLiteral("Anuluj"));
  setWindowTitle(VersionText() + QStringLiteral(":  ") + PageCaptions[page]);
  PlacePulseGraph(page == 5 ? PulseFrame5 : PulseFrame4);
}

void TMainForm::Button2Click() {
  if (!PageBoxesHoldNumbers()) return;
  const int page = Notebook1->currentIndex();
  if (page == 1 && RadioButton1->isChecked()) {
    CopyParameterFile(Edit10->text(), working_equation_file, true);
    CopyParameterFile(Edit11->text(), working_wavefunction_file, true);
    CopyParameterFile(Edit9->text(), working_grid_file, true);
    Obliczenia();
    return;
  }
  if (page == 1 && RadioButton3->isChecked()) {
    Obliczenia();
    return;
  }
  if (page >= LastPage) return;
  Notebook1->setCurrentIndex(page + 1);
  if (page + 1 == 8) {
    if (RadioButton2->isChecked()) {
      Memo2->clear();
      Zapisz();
      if (CheckBox1->isChecked()) {
        CopyParameterFile(working_equation_file, Edit10->text(), true);
        CopyParameterFile(working_wavefunction_file, Edit11->text(), true);
        CopyParameterFile(working_grid_file, Edit9->text(), true);
      }
    }
    BuildSummary();
    TestParameters();
  }
  if (page + 1 == LastPage && RadioButton2->isChecked()) Obliczenia();
}

void TMainForm::Button3Click() {
  int page = Notebook1->currentIndex() - 1;
  if (page < 0) return;
  // Both file modes skip the pages that define the parameters by hand.
  if ((RadioButton1->isChecked() || RadioButton3->isChecked()) && page > 1) page = 1;
  Notebook1->setCurrentIndex(page);
}

void TMainForm::RadioButton1Click() {
  Panel2->setVisible(RadioButton1->isChecked() || (RadioButton2->isChecked() && CheckBox1->isChecked()));
}

void TMainForm::BrowseForFile(QLineEdit* box, file_kind kind) {
  QFileDialog dialog(this, QStringLiteral("Wybierz plik"), QStringLiteral("."));
  // "All files" is "*" here: a "*.*" pattern would hide names without a dot.
  dialog.setNameFilters(kind == file_kind::parameters
                            ? QStringList{QStringLiteral("Parametry symulacji (*.par)"),
                                          QStringLiteral("Wszystkie pliki (*)")}
                            : QStringList{QStringLiteral("Funkcje falowe (*.dat)"),
                                          QStringLiteral("Wszystkie pliki (*)")});
  dialog.setDefaultSuffix(QStringLiteral("dat"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  // Qt's own dialog speaks Polish like the rest of tarn; the desktop's
  // would speak the desktop's language.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.selectFile(box->text());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  // Paths here have no separate short form; the name is taken as chosen.
  box->setText(dialog.selectedFiles().constFirst());
  if (box == Edit12) Edit12Exit();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  bool CanClose = true;
  FormCloseQuery(CanClose);
  if (CanClose)
    event->accept();
  else
    event->ignore();
}

void TMainForm::FormCloseQuery(bool& CanClose) {
  CanClose = true;
  if (RunThread) {
    // The window goes only once the run has stopped: until then a step's
    // handler may still use the windows. ThreadTerminated closes it again.
    CanClose = false;
    if (CloseAfterRun) return;  // already confirmed, the run is stopping
    if (!ask_yes_no(this, QStringLiteral("Obliczenia trwają. Czy na pewno chcesz zakończyć program?"))) return;
    // The run may have ended while the question was open: then the close
    // goes ahead now.
    if (RunThread) {
      RunThread->RequestTermination();
      CloseAfterRun = true;
      return;
    }
    CanClose = true;
  }
  save_log();
}

// --- Parameter files and runs ---

void TMainForm::CopyParameterFile(const QString& source, const QString& target, bool overwrite) {
  copy_parameter_file(source, target, overwrite);
}

void TMainForm::Zapisz() { append_lines(*Memo2, write_working_files(Parameters, UseWellParameters)); }

void TMainForm::BuildSummary() {
  const saved_copies copies{CheckBox1->isChecked(), Edit9->text(), Edit11->text(), Edit10->text()};
  append_lines(*Memo2, summary_lines(Parameters, copies, QDir::toNativeSeparators(QDir::currentPath())));
}

void TMainForm::TestParameters() { append_lines(*Memo2, parameter_test_lines(Parameters)); }

void TMainForm::Obliczenia() {
  if (RunThread) {
    Notebook1->setCurrentIndex(LastPage);
    return;
  }
  {
    // Its start-up line and summary go to the memo; a grid that cannot be
    // read is the run's to report.
    const grid_parameters grid(working_grid_file.toStdString(), 0);
    prepare_plot_arrays(PlotForm, TimePlotForm, ProgressBar1, grid);
  }
  Notebook1->setCurrentIndex(LastPage);
  SetRunButtons(true);

  auto* thread = new (std::nothrow) TWavefunctionThread;
  if (!thread) {
    show_message(QStringLiteral("Błąd: Nie można zainicjować obiektu funkcji falowej"));
    SetRunButtons(false);  // no run: the window must not stay locked
    return;
  }
  RunThread = thread;
  FirstPlot = true;
  connect(thread, &TWavefunctionThread::OnStepForward, this, &TMainForm::ThreadStepForward);
  if (PlotForm) connect(thread, &TWavefunctionThread::OnPotentialPlotSaved, PlotForm, &TPlotForm::PotentialPlotSaved);

  if (!MultiThread) Button1->setEnabled(false);
  launch_run(thread, MultiThread, this, [this](QObject* Sender) { ThreadTerminated(Sender); });
  if (!MultiThread) Button1->setEnabled(true);
}

void TMainForm::SetRunButtons(bool running) {
  Button5->setEnabled(!running);
  Button3->setEnabled(!running);
  if (running) Button2->setEnabled(false);
  Button10->setVisible(running);
}

void TMainForm::ThreadStepForward(QObject* Sender, int StepNumber, const QString& FileName) {
  const auto* thread = qobject_cast<TWavefunctionThread*>(Sender);
  if (!thread) return;
  const step_context context{PlotForm, TimePlotForm, ProgressBar1, Parameters.xmin, Parameters.xmax,
                             RadioButton4->isChecked(), RadioButton5->isChecked(), &FilesToDelete, &FirstPlot};
  handle_step(context, {thread->Last.Norm, thread->Last.Correlation, thread->Last.Position}, StepNumber, FileName);
}

void TMainForm::Button10Click() {
  if (RunThread) RunThread->RequestTermination();
}

void TMainForm::ThreadTerminated(QObject*) {
  SetRunButtons(false);
  RunThread = nullptr;
  // After the fatal-error ending the program is going away: no more questions.
  if (fatal_ending_reached()) return;
  if (RadioButton5->isChecked() && ask_yes_no(this, QStringLiteral("Czy chcesz skasować pliki z funkcjami falowymi?"))) {
    for (const QString& name : FilesToDelete) QFile::remove(name);
  }
  if (std::exchange(CloseAfterRun, false)) close();
}

// TMainForm: tarn's main window, a wizard of ten pages. Page 1 chooses how
// the simulation parameters are obtained; pages 2 to 7 set them by hand (the
// binding potential, the initial packet, the laser pulse and its modulation,
// the grids, the absorbing boundary); page 8 sums them up and page 9 shows
// the messages of the runs. Every control keeps its name as its Qt object
// name, and the parameter handlers keep the set of values in Parameters.
#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "wavefunction_thread.h"
#include "wizard_parameters.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;
class QStackedWidget;
class QToolButton;
class TFuncGraph;
class TLink;
class TMail;

class TMainForm : public QWidget {
  Q_OBJECT

 public:
  // Chooses the thread mode from the command line, places the window, creates
  // the program's message stream on Memo1, then sets every page up by running
  // the parameter handlers once.
  explicit TMainForm(QWidget* parent = nullptr);
  ~TMainForm() override;

  // The program's name and version, as the version label on page 0 shows it;
  // the window captions start with it.
  QString VersionText() const;

  // Called once the program-wide plot windows exist: closing either of them
  // unchecks its box here, and only this window's close ends the program.
  void AttachPlotWindows();

  // Page captions, index = page number.
  static const QStringList PageCaptions;
  static constexpr int LastPage = 9;

  WizardParameters Parameters;
  // The initial state is a well or shooting-method eigenstate: the
  // wavefunction file then carries the potential's a and Vo.
  bool UseWellParameters = false;
  // True: a run goes on its own thread; false: on the window thread.
  bool MultiThread = true;
  // Set when a run starts, cleared at its first wavefunction plot.
  bool FirstPlot = false;
  // Plot files offered for deletion at the end of a run; never cleared.
  QStringList FilesToDelete;
  // The run going on, empty between runs (at most one run at a time). Set
  // by Obliczenia, cleared by ThreadTerminated.
  QPointer<TWavefunctionThread> RunThread;
  // A close confirmed during a run: the window closes once the run is over.
  bool CloseAfterRun = false;

  // --- Parameter handlers ---
  void WyborPotencjalu(QAbstractButton* Sender);
  void TrackBar7Change();
  void TrackBar8Change();
  void WyborFunkcjiPocz();
  void TrackBar1Change();
  void TrackBar3Change();
  void TrackBar2Change();
  void TrackBar4Change();
  void Edit1Exit();
  void Edit6Exit();
  void Edit4Exit();
  void Edit5Exit();
  void Edit12Exit();
  void RadioButton6Click();
  void Edit13Exit();
  void TrackBar12Change();
  void CheckBox2Click();
  void CheckBox3Click();
  // The electric field of the pulse preview at time X (envelope and
  // amplitude left out): 0 while Eo is 0.
  void PulseGraphUserFunc(double X, double& Y, bool& PointVisible);

  // --- Navigation ---
  void Notebook1PageChanged();
  void Button2Click();  // "Dalej >"
  void Button3Click();  // "< Wstecz"

  // --- Parameter files and runs ---
  enum class file_kind { parameters, wavefunction };
  // Page 1: the name boxes are shown when they are used.
  void RadioButton1Click();
  // File-open dialog for one name box.
  void BrowseForFile(QLineEdit* box, file_kind kind);
  void CopyParameterFile(const QString& source, const QString& target, bool overwrite);
  void Zapisz();
  void BuildSummary();
  void TestParameters();
  // Starts a run on the working files (on its own thread, or here in
  // single-thread mode); while one goes on it only shows the run's page.
  void Obliczenia();
  void Button10Click();  // "Przerwij"
  // The run's step event, on the window thread while the run waits.
  void ThreadStepForward(QObject* Sender, int StepNumber, const QString& FileName);
  // The end of a run: the buttons come back and the plot files of
  // "pytaj po zakończeniu" may be deleted.
  void ThreadTerminated(QObject* Sender);
  // Asks while a run goes on; a confirmed close waits for the run to stop.
  // Saves the log whenever the close goes ahead.
  void FormCloseQuery(bool& CanClose);

  // --- Shared controls ---
  QStackedWidget* Notebook1;
  QPushButton* Button1;   // "Anuluj" / "Zakończ"
  QPushButton* Button2;   // "Dalej >"
  QPushButton* Button3;   // "< Wstecz"
  QPushButton* Button10;  // "Przerwij"
  QPushButton* Button4;   // "Zapisz"
  QPushButton* Button5;   // "Quick Start"
  QCheckBox* CheckBox2;   // wavefunction window shown
  QCheckBox* CheckBox3;   // time-dependent quantities window shown

  // Page 0: welcome.
  QLabel* VersionLabel;
  QLabel* AuthorLabel;
  TMail* MailLabel;
  TLink* WebLabel;
  QLabel* WelcomePicture;

  // Page 1: where the parameters come from.
  QRadioButton* RadioButton1;  // "Z plików"
  QRadioButton* RadioButton3;  // "Z plików domyślnych ..."
  QRadioButton* RadioButton2;  // "Definiuj własnoręcznie"
  QCheckBox* CheckBox1;        // "Zapisz do plików"
  QFrame* Panel2;
  QLineEdit* Edit10;  // equation file
  QLineEdit* Edit11;  // wavefunction file
  QLineEdit* Edit9;   // grid file
  QPushButton* Button7;
  QPushButton* Button8;
  QPushButton* Button6;

  // Page 2: binding potential.
  QToolButton* SpeedButton1;  // square well
  QToolButton* SpeedButton2;  // square barrier
  QToolButton* SpeedButton3;  // step
  QToolButton* SpeedButton4;  // soft-core atom
  QToolButton* SpeedButton5;  // none
  QButtonGroup* PotentialButtons;
  QLabel* Label30;  // type
  QLabel* Label24;
  QSlider* TrackBar7;  // depth or height
  QLabel* Label25;
  QSlider* TrackBar8;  // width

  // Page 3: initial wave packet.
  QListWidget* ListBox1;
  QFrame* Panel4;  // from a file
  QLineEdit* Edit12;
  QPushButton* Button11;
  QFrame* Panel3;  // Gaussian packet
  QLabel* Label1;
  QSlider* TrackBar1;  // x0
  QLabel* Label3;
  QSlider* TrackBar3;  // width
  QLabel* Label2;
  QSlider* TrackBar2;  // k0
  QFrame* Panel5;  // eigenstate of the potential
  QLabel* Label61;
  QLabel* Label60;

  // Pages 4 and 5: laser pulse and its modulation.
  TFuncGraph* PulseGraph;
  QWidget* PulseFrame4;  // the preview's place on page 4 (inside a framed panel)
  QWidget* PulseFrame5;  // and on page 5
  QSlider* TrackBar4;  // amplitude
  QLabel* Label36;
  QSlider* TrackBar5;  // frequency
  QLabel* Label37;
  QSlider* TrackBar6;  // phase
  QLabel* Label38;
  QLabel* Label42;  // classical oscillation range
  QSlider* TrackBar9;  // w2
  QLabel* Label48;
  QSlider* TrackBar10;  // w3
  QLabel* Label51;
  QSlider* TrackBar11;  // w4
  QLabel* Label54;

  // Page 6: grids.
  QLineEdit* Edit1;  // xdim
  QLineEdit* Edit2;  // xmin
  QLineEdit* Edit3;  // xmax
  QLabel* Label35;   // dx
  QLabel* Label41;   // maximum momentum
  QLineEdit* Edit6;  // tdim
  QLineEdit* Edit7;  // tmin
  QLineEdit* Edit8;  // dt
  QLabel* Label40;   // tmax
  QLineEdit* Edit4;  // plot interval
  QLineEdit* Edit5;  // offset
  QRadioButton* RadioButton4;  // delete after showing
  QRadioButton* RadioButton5;  // ask at the end

  // Page 7: absorbing boundary.
  QRadioButton* RadioButton6;  // absorber on
  QRadioButton* RadioButton7;  // infinite wall
  QFrame* Panel6;
  QLineEdit* Edit13;  // a_abs
  QLabel* Label64;
  QSlider* TrackBar12;  // Uo_abs

  // Pages 8 and 9: summary and messages.
  QPlainTextEdit* Memo2;
  QPlainTextEdit* Memo1;
  QProgressBar* ProgressBar1;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildPages();
  QWidget* BuildSharedButtons();
  QWidget* BuildWelcomePage();
  QWidget* BuildSourcePage();
  QWidget* BuildPotentialPage();
  QLayout* BuildPotentialButtons();
  QLayout* BuildPotentialParameters();
  QWidget* BuildPacketPage();
  QWidget* BuildPulsePage();
  QWidget* BuildModulationPage();
  QWidget* BuildGridPage();
  QLayout* BuildGridColumns();
  QLayout* BuildSaveSchedule();
  QLayout* BuildFileRemoval();
  QWidget* BuildAbsorberPage();
  QWidget* BuildSummaryPage();
  QWidget* BuildMessagesPage();
  void ConnectHandlers();
  // The buttons that start or leave a run are locked while one goes on, and
  // "Przerwij" takes the place of "Dalej >".
  void SetRunButtons(bool running);
  // At the window's destruction: a run still going on is stopped and waited
  // for, with its events no longer delivered here.
  void AbandonRun();
  // Puts the pulse preview into a frame so that its own border is hidden.
  void PlacePulseGraph(QWidget* frame);

  // Number boxes may not be left holding a text that is no number, so that a
  // run never starts with a value other than the one on the screen.
  // The boxes of the grid and absorber pages.
  QList<QLineEdit*> NumberBoxes() const;
  bool HoldsNumber(const QLineEdit* box) const;
  // After a box was left: says so and gives it the focus back if it holds no number.
  void CheckLeftBox(QLineEdit* box);
  // "Dalej >": false, with the box and the focus back, when a box of the
  // current page holds no number.
  bool PageBoxesHoldNumbers();
  void RefuseToLeave(QLineEdit* box);
  bool ReturningFocus = false;  // the focus is being given back to a box
};


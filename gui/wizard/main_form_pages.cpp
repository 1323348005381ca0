// The wizard's controls: the shared button bar and the ten pages, built with
// their captions, ranges and start states. The handlers are connected
// afterwards (ConnectHandlers), so nothing here runs a handler.
#include <QButtonGroup>
#include <QCheckBox>
#include <QDate>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "func_graph.h"
#include "link.h"
#include "main_form.h"
#include "page_widgets.h"
#include "potential_pictures.h"

namespace {

constexpr int client_width = 553;
constexpr int client_height = 361;
constexpr int page_height = 310;  // the page book; the button bar lies below
// The build date as dd.mm.yyyy from the compiler's "Mmm dd yyyy".
QString build_date() {
  const QDate date = QDate::fromString(QString::fromLatin1(__DATE__).simplified(), QStringLiteral("MMM d yyyy"));
  return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QString::fromLatin1(__DATE__);
}

}  // namespace

const QStringList TMainForm::PageCaptions = {
    QStringLiteral("Powitanie"),
    QStringLiteral("Pobieranie parametrów symulacji"),
    QStringLiteral("Wybór potencjału"),
    QStringLiteral("Wybór pakietu falowego"),
    QStringLiteral("Wybór impulsu lasera"),
    QStringLiteral("Wybór modulacji impulsu lasera"),
    QStringLiteral("Wybór parametrów sieci"),
    QStringLiteral("Parametry potencjału absorbującego"),
    QStringLiteral("Podsumowanie"),
    QStringLiteral("Obliczenia"),
};

void TMainForm::BuildPages() {
  setFixedSize(client_width, client_height);
  Notebook1 = named(new QStackedWidget(this), "Notebook1");
  Notebook1->setGeometry(0, 0, client_width, page_height);
  const std::initializer_list<QWidget*> pages = {
      BuildWelcomePage(),   BuildSourcePage(), BuildPotentialPage(), BuildPacketPage(),  BuildPulsePage(),
      BuildModulationPage(), BuildGridPage(),  BuildAbsorberPage(),  BuildSummaryPage(), BuildMessagesPage()};
  int index = 0;
  for (QWidget* page : pages) {
    page->setObjectName(QStringLiteral("Page%1").arg(index));
    page->setWindowTitle(PageCaptions[index++]);
    Notebook1->addWidget(page);
  }

  auto* line = new QFrame(this);
  line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  line->setGeometry(8, page_height, client_width - 16, 2);
  QWidget* bar = BuildSharedButtons();
  bar->setGeometry(0, page_height + 2, client_width, client_height - page_height - 2);
}

QWidget* TMainForm::BuildSharedButtons() {
  auto* bar = new QWidget(this);
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(12, 2, 12, 6);

  auto* boxes = new QVBoxLayout;
  boxes->setSpacing(2);
  CheckBox2 = named(new QCheckBox(QStringLiteral("Wykres funkcji falowej")), "CheckBox2");
  CheckBox3 = named(new QCheckBox(QStringLiteral("Wykres wielkości zal. od czasu")), "CheckBox3");
  CheckBox2->setChecked(true);
  CheckBox3->setChecked(true);
  boxes->addWidget(CheckBox2);
  boxes->addWidget(CheckBox3);
  row->addLayout(boxes);
  row->addStretch();

  const QSize button_size(88, 27);
  auto button = [&](const char* name, const QString& caption) {
    auto* pushed = named(new QPushButton(caption), name);
    pushed->setFixedSize(button_size);
    return pushed;
  };
  Button4 = button("Button4", QStringLiteral("Zapisz"));
  Button5 = button("Button5", QStringLiteral("Quick Start"));
  Button3 = button("Button3", QStringLiteral("< Wstecz"));
  Button1 = button("Button1", QStringLiteral("Anuluj"));
  Button4->hide();
  Button5->hide();
  Button3->setEnabled(false);

  // "Przerwij" takes the place of "Dalej >" during a run: both share one slot.
  auto* slot = new QWidget;
  slot->setFixedSize(button_size);
  Button2 = named(new QPushButton(QStringLiteral("Dalej >"), slot), "Button2");
  Button10 = named(new QPushButton(QStringLiteral("Przerwij"), slot), "Button10");
  Button2->setGeometry(QRect(QPoint(0, 0), button_size));
  Button10->setGeometry(QRect(QPoint(0, 0), button_size));
  Button10->hide();
  Button2->setDefault(true);

  row->addWidget(Button4);
  row->addWidget(Button5);
  row->addWidget(Button3);
  row->addWidget(slot);
  row->addSpacing(10);
  row->addWidget(Button1);
  return bar;
}

QWidget* TMainForm::BuildWelcomePage() {
  auto* page = new QWidget;
  auto* row = new QHBoxLayout(page);
  row->setContentsMargins(14, 14, 14, 14);
  row->setSpacing(18);

  WelcomePicture = named(new QLabel, "WelcomePicture");
  WelcomePicture->setPixmap(welcome_picture(QSize(200, 270)));
  WelcomePicture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  row->addWidget(WelcomePicture, 0, Qt::AlignTop);

  auto* column = new QVBoxLayout;
  column->setSpacing(10);
  VersionLabel = named(bold_label(QStringLiteral("Tarn 1.0")), "VersionLabel");
  QFont big = VersionLabel->font();
  big.setPointSizeF(big.pointSizeF() * 1.8);
  VersionLabel->setFont(big);
  column->addWidget(VersionLabel);

  auto* about = text_label(QStringLiteral("Symulacja ruchu cząstki kwantowej w jednym wymiarze: "
                                          "zależne od czasu równanie Schrödingera rozwiązywane "
                                          "metodą Cranka-Nicolson, z potencjałem wiążącym "
                                          "i polem lasera."));
  about->setWordWrap(true);
  column->addWidget(about);

  AuthorLabel = named(text_label(QStringLiteral("Autorzy: zespół projektu Tarn\nData kompilacji: %1")
                                     .arg(build_date())),
                      "AuthorLabel");
  column->addWidget(AuthorLabel);

  auto* links = new QGridLayout;
  links->setHorizontalSpacing(10);
  MailLabel = named(new TMail, "MailLabel");
  WebLabel = named(new TLink, "WebLabel");
  MailLabel->SetDescription(QStringLiteral("tarn@example.org"));
  MailLabel->SetAddress(QStringLiteral("tarn@example.org"));
  MailLabel->setToolTip(QStringLiteral("Send a message to tarn@example.org"));
  WebLabel->SetDescription(QStringLiteral("http://tarn.example.org"));
  WebLabel->SetAddress(QStringLiteral("http://tarn.example.org"));
  WebLabel->setToolTip(QStringLiteral("Link to http://tarn.example.org"));
  links->addWidget(text_label(QStringLiteral("e-mail:")), 0, 0);
  links->addWidget(MailLabel, 0, 1);
  links->addWidget(text_label(QStringLiteral("WWW:")), 1, 0);
  links->addWidget(WebLabel, 1, 1);
  links->setColumnStretch(2, 1);
  column->addLayout(links);

  auto* hint = text_label(QStringLiteral("Naciśnij „Dalej >”, aby wybrać parametry symulacji."));
  hint->setWordWrap(true);
  column->addStretch();
  column->addWidget(hint);
  row->addLayout(column, 1);
  return page;
}

QWidget* TMainForm::BuildSourcePage() {
  auto* page = new QWidget;
  auto* layout = page_layout(page);
  layout->addWidget(bold_label(QStringLiteral("Wybierz sposób ustalenia wartości parametrów symulacji:")));
  RadioButton1 = named(new QRadioButton(QStringLiteral("Z plików")), "RadioButton1");
  RadioButton3 = named(new QRadioButton(QStringLiteral("Z plików domyślnych (powtórzenie ostatnich obliczeń)")),
                       "RadioButton3");
  RadioButton2 = named(new QRadioButton(QStringLiteral("Definiuj własnoręcznie")), "RadioButton2");
  CheckBox1 = named(new QCheckBox(QStringLiteral("Zapisz do plików")), "CheckBox1");
  RadioButton2->setChecked(true);
  layout->addWidget(RadioButton1);
  layout->addWidget(RadioButton3);
  auto* own = new QHBoxLayout;
  own->addWidget(RadioButton2);
  own->addSpacing(24);
  own->addWidget(CheckBox1);
  own->addStretch();
  layout->addLayout(own);
  layout->addSpacing(6);

  Panel2 = panel("Panel2");
  auto* names = new QGridLayout(Panel2);
  names->setContentsMargins(10, 8, 10, 8);
  names->addWidget(bold_label(QStringLiteral("Nazwy plików:")), 0, 0, 1, 3);
  auto file_row = [&](int row, const QString& caption, QLineEdit*& edit, const char* edit_name,
                      const QString& file, QPushButton*& button, const char* button_name) {
    edit = edit_box(edit_name, file, 0);
    button = named(new QPushButton(QStringLiteral("Przeglądaj ...")), button_name);
    names->addWidget(text_label(caption), row, 0);
    names->addWidget(edit, row, 1);
    names->addWidget(button, row, 2);
  };
  file_row(1, QStringLiteral("Potencjał i pole"), Edit10, "Edit10", QStringLiteral("1d-eq.par"), Button7, "Button7");
  file_row(2, QStringLiteral("Początkowa funkcja falowa:"), Edit11, "Edit11", QStringLiteral("1d-psi.par"),
           Button8, "Button8");
  file_row(3, QStringLiteral("Sieć czasowa i przestrzenna:"), Edit9, "Edit9", QStringLiteral("1d-grid.par"),
           Button6, "Button6");
  names->setColumnStretch(1, 1);
  layout->addWidget(Panel2);
  layout->addStretch();
  return page;
}

QWidget* TMainForm::BuildPotentialPage() {
  auto* page = new QWidget;
  auto* row = page_row(page, 16);
  row->addLayout(BuildPotentialButtons());
  row->addLayout(BuildPotentialParameters(), 1);
  return page;
}

// The pictures of the potentials, two to a row, "no potential" chosen.
QLayout* TMainForm::BuildPotentialButtons() {
  auto* buttons = new QGridLayout;
  buttons->setSpacing(6);
  PotentialButtons = new QButtonGroup(this);
  PotentialButtons->setExclusive(true);
  struct picture_button {
    QToolButton*& button;
    const char* name;
    potential_shape shape;
    const char* hint;
  };
  const picture_button pictures[] = {
      {SpeedButton1, "SpeedButton1", potential_shape::square_well, "Studnia potencjału"},
      {SpeedButton2, "SpeedButton2", potential_shape::square_barrier, "Bariera potencjału („klocek”)"},
      {SpeedButton3, "SpeedButton3", potential_shape::step, "Próg potencjału"},
      {SpeedButton4, "SpeedButton4", potential_shape::soft_core_atom, "Atom rochesterowski"},
      {SpeedButton5, "SpeedButton5", potential_shape::none, "Brak potencjału"},
  };
  const QSize picture_size(74, 56);
  int index = 0;
  for (const picture_button& picture : pictures) {
    picture.button = named(new QToolButton, picture.name);
    picture.button->setCheckable(true);
    picture.button->setIcon(QIcon(potential_picture(picture.shape, picture_size)));
    picture.button->setIconSize(picture_size);
    picture.button->setToolTip(QString::fromUtf8(picture.hint));
    picture.button->setAutoRaise(false);
    PotentialButtons->addButton(picture.button, index + 1);
    buttons->addWidget(picture.button, index / 2, index % 2);
    ++index;
  }
  SpeedButton5->setChecked(true);
  auto* left = new QVBoxLayout;
  left->addLayout(buttons);
  left->addStretch();
  return left;
}

// The chosen type, the depth and the width of the potential.
QLayout* TMainForm::BuildPotentialParameters() {
  auto* parameters = new QVBoxLayout;
  parameters->setSpacing(6);
  parameters->addWidget(bold_label(QStringLiteral("Parametry")));
  auto* type = new QHBoxLayout;
  type->addWidget(text_label(QStringLiteral("Typ poten:")));
  Label30 = read_out("Label30", QStringLiteral("błąd"));
  Label30->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Label30->setMinimumWidth(90);
  type->addWidget(Label30);
  type->addStretch();
  parameters->addLayout(type);
  parameters->addSpacing(8);
  Label24 = read_out("Label24", QStringLiteral("Głębokość  (Vo = 0)"));
  TrackBar7 = track_bar("TrackBar7", 0, 100, 10, 0);
  Label25 = read_out("Label25", QStringLiteral("Szerokość  (a = 0)"));
  TrackBar8 = track_bar("TrackBar8", 0, 100, 10, 0);
  parameters->addWidget(Label24);
  parameters->addWidget(TrackBar7);
  parameters->addSpacing(8);
  parameters->addWidget(Label25);
  parameters->addWidget(TrackBar8);
  parameters->addStretch();
  return parameters;
}

QWidget* TMainForm::BuildPacketPage() {
  auto* page = new QWidget;
  auto* row = page_row(page, 14);

  ListBox1 = named(new QListWidget, "ListBox1");
  ListBox1->addItems({QStringLiteral("Czytaj z pliku..."), QStringLiteral("Pakiet gaussowski"),
                      QStringLiteral("Stan podstawowy studni"),
                      QStringLiteral("Metoda strzałów dla gładkiego potencjału")});
  // Wide enough for the longest item, so that no text is cut.
  ListBox1->setFixedWidth(ListBox1->sizeHintForColumn(0) + 2 * ListBox1->frameWidth() + 12);
  ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  row->addWidget(ListBox1);

  // The three panels share one place; the handler shows one at a time.
  auto* place = new QVBoxLayout;
  Panel4 = panel("Panel4");
  auto* file = new QGridLayout(Panel4);
  Edit12 = edit_box("Edit12", QString(), 0);
  Button11 = named(new QPushButton(QStringLiteral("Przeglądaj ...")), "Button11");
  file->addWidget(text_label(QStringLiteral("Nazwa pliku")), 0, 0, 1, 2);
  file->addWidget(Edit12, 1, 0);
  file->addWidget(Button11, 1, 1);
  file->setRowStretch(2, 1);

  Panel3 = panel("Panel3");
  auto* gauss = new QVBoxLayout(Panel3);
  Label1 = read_out("Label1", QStringLiteral("Położenie  (x0 = 0)"));
  TrackBar1 = track_bar("TrackBar1", -1000, 1000, 100, 0);
  Label3 = read_out("Label3", QStringLiteral("Szerokość  (a = 0.5)"));
  TrackBar3 = track_bar("TrackBar3", 0, 100, 10, 5);
  Label2 = read_out("Label2", QStringLiteral("Pęd  (k = 0)"));
  TrackBar2 = track_bar("TrackBar2", -100, 100, 10, 0);
  for (QWidget* control : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(TrackBar1),
                           static_cast<QWidget*>(Label3), static_cast<QWidget*>(TrackBar3),
                           static_cast<QWidget*>(Label2), static_cast<QWidget*>(TrackBar2)})
    gauss->addWidget(control);
  gauss->addStretch();

  Panel5 = panel("Panel5");
  auto* well = new QVBoxLayout(Panel5);
  auto* heading = text_label(QStringLiteral("Stan podstawowy dla potencjału:"));
  heading->setWordWrap(true);
  well->addWidget(heading);
  Label61 = read_out("Label61", QStringLiteral("Głębokość Vo=0"));
  Label60 = read_out("Label60", QStringLiteral("Szerokość a=0"));
  well->addWidget(Label61);
  well->addWidget(Label60);
  well->addStretch();

  place->addWidget(Panel4);
  place->addWidget(Panel3);
  place->addWidget(Panel5);
  row->addLayout(place, 1);
  return page;
}

// A framed panel with an inner area that clips the pulse preview, so that
// the preview, placed one pixel outside that area, hides its own border.
static QWidget* pulse_frame(QVBoxLayout* layout, const char* name) {
  auto* frame = panel(name);
  frame->setFixedSize(525, 112);
  auto* client = new QWidget(frame);
  client->setObjectName(QLatin1String(name) + QLatin1String("Client"));
  client->setGeometry(frame->contentsRect());
  layout->addWidget(frame);
  return client;
}

// A slider row: caption, slider, value caption and read-out.
static void slider_row(QGridLayout* grid, int row, const QString& caption, QSlider* bar, const QString& value,
                       QLabel* read_out) {
  grid->addWidget(text_label(caption), row, 0);
  grid->addWidget(bar, row, 1);
  grid->addWidget(text_label(value), row, 2, Qt::AlignRight);
  read_out->setMinimumWidth(60);
  grid->addWidget(read_out, row, 3);
}

QWidget* TMainForm::BuildPulsePage() {
  auto* page = new QWidget;
  auto* layout = page_layout(page);
  PulseFrame4 = pulse_frame(layout, "PulsePanel4");
  PulseGraph = named(new TFuncGraph(PulseFrame4), "PulseGraph");
  PulseGraph->RangeMinX = 0;
  PulseGraph->RangeMaxX = 62.8;
  PulseGraph->RangeMinY = -1.0;
  PulseGraph->RangeMaxY = 1.0;
  PulseGraph->AddPlotPen.setStyle(Qt::DashLine);
  PulseGraph->XZeroAxis = false;
  PulseGraph->YZeroAxis = false;
  PulseGraph->setToolTip(QStringLiteral("Wykres pola elektrycznego w funkcji czasu"));
  PulseGraph->OnUserFunc = [this](double X, double& Y, bool& PointVisible) { PulseGraphUserFunc(X, Y, PointVisible); };

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(8);
  TrackBar4 = track_bar("TrackBar4", 0, 1000, 100, 0);
  TrackBar5 = track_bar("TrackBar5", 0, 1000, 100, 50);
  TrackBar6 = track_bar("TrackBar6", -314, 314, 63, 157);
  Label36 = read_out("Label36");
  Label37 = read_out("Label37");
  Label38 = read_out("Label38");
  slider_row(grid, 0, QStringLiteral("Amplituda"), TrackBar4, QStringLiteral("Eo="), Label36);
  slider_row(grid, 1, QStringLiteral("Częstość"), TrackBar5, QStringLiteral("w="), Label37);
  slider_row(grid, 2, QStringLiteral("Faza:"), TrackBar6, QStringLiteral("phi="), Label38);
  grid->setColumnStretch(1, 1);
  layout->addLayout(grid);

  auto* classical = new QGridLayout;
  classical->setHorizontalSpacing(10);
  classical->addWidget(text_label(QStringLiteral("Klasyczna prędkość pakietu:")), 0, 0);
  classical->addWidget(text_label(QStringLiteral("Klasyczny zakres oscylacji:")), 1, 0);
  Label42 = read_out("Label42");
  classical->addWidget(Label42, 1, 1);
  classical->setColumnStretch(1, 1);
  layout->addLayout(classical);
  layout->addStretch();
  return page;
}

QWidget* TMainForm::BuildModulationPage() {
  auto* page = new QWidget;
  auto* layout = page_layout(page);
  PulseFrame5 = pulse_frame(layout, "PulsePanel5");

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(8);
  TrackBar9 = track_bar("TrackBar9", 0, 1000, 100, 0);
  TrackBar10 = track_bar("TrackBar10", 0, 1000, 100, 0);
  TrackBar11 = track_bar("TrackBar11", 0, 1000, 100, 0);
  Label48 = read_out("Label48");
  Label51 = read_out("Label51");
  Label54 = read_out("Label54");
  slider_row(grid, 0, QStringLiteral("w2"), TrackBar9, QStringLiteral("w2="), Label48);
  slider_row(grid, 1, QStringLiteral("w3"), TrackBar10, QStringLiteral("w3="), Label51);
  slider_row(grid, 2, QStringLiteral("w4"), TrackBar11, QStringLiteral("w4="), Label54);
  grid->setColumnStretch(1, 1);
  layout->addLayout(grid);
  layout->addStretch();
  return page;
}

QWidget* TMainForm::BuildGridPage() {
  auto* page = new QWidget;
  auto* layout = page_layout(page);
  layout->addLayout(BuildGridColumns());
  layout->addSpacing(10);
  layout->addLayout(BuildSaveSchedule());
  layout->addLayout(BuildFileRemoval());
  layout->addStretch();
  return page;
}

// The space grid and the time grid side by side, boxes and read-outs.
QLayout* TMainForm::BuildGridColumns() {
  auto* columns = new QHBoxLayout;
  columns->setSpacing(20);
  auto column = [&](const QString& heading) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    grid->addWidget(bold_label(heading), 0, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    columns->addLayout(grid, 1);
    return grid;
  };
  auto row = [](QGridLayout* grid, int at, const QString& caption, QWidget* control) {
    grid->addWidget(text_label(caption), at, 0);
    grid->addWidget(control, at, 1, Qt::AlignLeft);
  };

  QGridLayout* space = column(QStringLiteral("Sieć przestrzenna:"));
  Edit1 = edit_box("Edit1", QStringLiteral("1024"));
  Edit2 = edit_box("Edit2", QStringLiteral("-100"));
  Edit3 = edit_box("Edit3", QStringLiteral("100"));
  Label35 = read_out("Label35");
  Label41 = read_out("Label41");
  row(space, 1, QStringLiteral("Ilość punktów:"), Edit1);
  row(space, 2, QStringLiteral("xmin:"), Edit2);
  row(space, 3, QStringLiteral("xmax:"), Edit3);
  row(space, 4, QStringLiteral("Krok przestrzenny:"), Label35);
  row(space, 5, QStringLiteral("Maksymalny pęd:"), Label41);

  QGridLayout* time = column(QStringLiteral("Sieć czasowa:"));
  Edit6 = edit_box("Edit6", QStringLiteral("1000"));
  Edit7 = edit_box("Edit7", QStringLiteral("0"));
  Edit8 = edit_box("Edit8", QStringLiteral("0.1"));
  Label40 = read_out("Label40");
  row(time, 1, QStringLiteral("Ilość punktów:"), Edit6);
  row(time, 2, QStringLiteral("Czas pocz. (tmin):"), Edit7);
  row(time, 3, QStringLiteral("Krok czasowy:"), Edit8);
  row(time, 4, QStringLiteral("Czas końcowy (tmax):"), Label40);
  time->setRowMinimumHeight(5, Label41->sizeHint().height());
  return columns;
}

QLayout* TMainForm::BuildSaveSchedule() {
  auto* plots = new QHBoxLayout;
  Edit4 = edit_box("Edit4", QStringLiteral("5"), 50);
  Edit5 = edit_box("Edit5", QStringLiteral("0"), 50);
  plots->addWidget(text_label(QStringLiteral("Wykres funkcji co:")));
  plots->addWidget(Edit4);
  plots->addWidget(text_label(QStringLiteral("punktów czasowych zaczynając od ")));
  plots->addWidget(Edit5);
  plots->addStretch();
  return plots;
}

// When the run's data files go: after their plot, or on a question at the end.
QLayout* TMainForm::BuildFileRemoval() {
  auto* removal = new QHBoxLayout;
  auto* group = new QWidget;  // its own group of radio buttons
  auto* choices = new QHBoxLayout(group);
  choices->setContentsMargins(0, 0, 0, 0);
  RadioButton4 = named(new QRadioButton(QStringLiteral("po pokazaniu na wykresie")), "RadioButton4");
  RadioButton5 = named(new QRadioButton(QStringLiteral("pytaj po zakończeniu")), "RadioButton5");
  RadioButton4->setChecked(true);
  choices->addWidget(RadioButton4);
  choices->addSpacing(10);
  choices->addWidget(RadioButton5);
  removal->addWidget(text_label(QStringLiteral("Usuwaj pliki z danymi")));
  removal->addSpacing(10);
  removal->addWidget(group);
  removal->addStretch();
  return removal;
}

QWidget* TMainForm::BuildAbsorberPage() {
  auto* page = new QWidget;
  auto* layout = page_layout(page);
  layout->addWidget(bold_label(QStringLiteral("Parametry potencjału absorbującego (typ NIP-Kosloff):")));
  RadioButton6 = named(new QRadioButton(QStringLiteral("Potencjał absorbujący na brzegach sieci jest włączony")),
                       "RadioButton6");
  RadioButton7 = named(new QRadioButton(QStringLiteral("Brzeg sieci jest nieskończoną barierą potencjału")),
                       "RadioButton7");
  RadioButton7->setChecked(true);
  layout->addWidget(RadioButton6);
  layout->addWidget(RadioButton7);
  layout->addSpacing(6);

  Panel6 = panel("Panel6");
  auto* absorber = new QGridLayout(Panel6);
  absorber->setContentsMargins(10, 8, 10, 8);
  Edit13 = edit_box("Edit13", QStringLiteral("5"));
  Label64 = read_out("Label64", QStringLiteral("Współczynnik (wartość: 1)"));
  TrackBar12 = track_bar("TrackBar12", 0, 100, 10, 100);
  absorber->addWidget(text_label(QStringLiteral("Zakres")), 0, 0);
  absorber->addWidget(Edit13, 0, 1, Qt::AlignLeft);
  absorber->addWidget(Label64, 1, 0, 1, 2);
  absorber->addWidget(TrackBar12, 2, 0, 1, 2);
  absorber->setColumnStretch(1, 1);
  layout->addWidget(Panel6);
  layout->addStretch();
  return page;
}

QWidget* TMainForm::BuildSummaryPage() {
  auto* page = new QWidget;
  auto* layout = page_layout(page);
  layout->addWidget(bold_label(QStringLiteral("Parametry obliczeń:")));
  Memo2 = named(new QPlainTextEdit, "Memo2");
  Memo2->setReadOnly(true);
  Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  layout->addWidget(Memo2, 1);
  return page;
}

QWidget* TMainForm::BuildMessagesPage() {
  auto* page = new QWidget;
  auto* layout = page_layout(page);
  layout->addWidget(bold_label(QStringLiteral("Komunikaty:")));
  Memo1 = named(new QPlainTextEdit, "Memo1");
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  layout->addWidget(Memo1, 1);
  ProgressBar1 = named(new QProgressBar, "ProgressBar1");
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  layout->addWidget(ProgressBar1);
  return page;
}

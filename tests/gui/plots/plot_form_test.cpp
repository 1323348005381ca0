#include "plot_form.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "control_messages.h"
#include "core_capture.h"
#include "dialog_recorder.h"
#include "fatal_ending.h"
#include "func_graph.h"
#include "plot_windows.h"
#include "time_plot_form.h"

namespace {

const QString out_of_wave_range = "Błąd: przekroczenie zakresu tablicy zawierającej dane do wykresu funkcji falowej";
const QString out_of_potential_range = "Błąd: przekroczenie zakresu tablicy zawierającej dane do wykresu potencjału";
const QString surplus_line =
    "Błąd: plik z danymi do wykresu potencjału ma więcej linii niż zadeklarowana wielkość sieci";
const QString no_memory = "Błąd: brak pamięci do utworzenia tablicy przechowującej dane do wykresu";

// A potential file as the core writes it: headers, then "x  V  Re  Im".
std::string potential_file(const std::vector<double>& values) {
  std::string text =
      "#Potencjal w t=0\n#xdim=4 xmin=-10 xmax=10 dx=5 tdim=10 tmin=0 tmax=1 dt=0.1\n#\n"
      "#x V(x,t) Re(U_abs(x,t)) Im(U_abs(x,t))\n";
  for (std::size_t i = 0; i < values.size(); ++i)
    text += std::to_string(-10.0 + 5.0 * i) + "  " + std::to_string(values[i]) + "  0  0\n";
  return text;
}

struct plot_form_test : testing::Test {
  plot_form_test() {
    set_control_message_handler([this](const QString& text) { boxes.messages << "graph: " + text; });
  }
  ~plot_form_test() override { set_control_message_handler({}); }

  struct value {
    double Y;
    bool visible;
  };
  value wave(double X) {
    value v{-7, true};
    form.FuncGraph1UserFunc(X, v.Y, v.visible);
    return v;
  }
  value potential(double X) {
    value v{-7, true};
    form.FuncGraph2UserFunc(X, v.Y, v.visible);
    return v;
  }

  core_capture capture;  // scratch directory for "v(x).dat"
  dialog_recorder boxes;
  struct wizard_window : QWidget {
    wizard_window() { setGeometry(10, 10, 553, 361); }
  } wizard;
  TPlotForm form{wizard, "Tarn 1.0"};
};

TEST_F(plot_form_test, StartsBesideTheWizardWithItsDesignedControls) {
  EXPECT_EQ(form.windowTitle(), "Tarn 1.0:  Wykres funkcji falowej (kwadrat modułu)");
  EXPECT_EQ(form.pos(), QPoint(10 + 553 + 10, 9));
  EXPECT_EQ(form.size(), QSize(553, 361));
  EXPECT_EQ(form.FuncGraph1->geometry(), QRect(8, 8, 537, 209));
  EXPECT_EQ(form.FuncGraph2->geometry(), QRect(8, 224, 537, 81));
  EXPECT_EQ(form.CheckBox1->text(), "Zakres rzędnej ustalany osobno dla każdego kroku czas.");
  EXPECT_FALSE(form.CheckBox1->isChecked());
  EXPECT_EQ(form.Button1->text(), "Zamknij okno");
  EXPECT_EQ(form.Label24->text(), "Tempo odtwarzania");
  EXPECT_EQ(form.TrackBar7->value(), 50);
  EXPECT_EQ(form.TrackBar7->maximum(), 100);
  for (const char* name : {"FuncGraph1", "FuncGraph2", "CheckBox1", "Button1", "Shape1", "Shape2", "Label24",
                           "TrackBar7"})
    EXPECT_NE(form.findChild<QWidget*>(name), nullptr) << name;
  form.show();
  for (QWidget* hidden : std::initializer_list<QWidget*>{form.Shape1, form.Shape2, form.Label24, form.TrackBar7})
    EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
  EXPECT_TRUE(form.FuncGraph1->XZeroAxis);
  EXPECT_FALSE(form.FuncGraph2->XZeroAxis);
  EXPECT_EQ(form.FuncGraph2->RangeMaxX, 4096);
}

TEST_F(plot_form_test, AllocatesOneMoreEntryThanAskedOrReportsAndLeavesTheArrayEmpty) {
  std::vector<double> data{1, 2};
  EXPECT_TRUE(TPlotForm::AllocatePlotArray(data, 4));
  EXPECT_EQ(data.size(), 5u);
  EXPECT_FALSE(TPlotForm::AllocatePlotArray(data, -2));
  EXPECT_TRUE(data.empty());
  EXPECT_EQ(boxes.messages, QStringList{no_memory});
}

TEST_F(plot_form_test, ConstantPotentialGetsTheRangeOneAroundIt) {
  form.PointCount = 5;
  capture.write_file("v(x).dat", potential_file({2.5, 2.5, 2.5, 2.5}));
  form.PotentialPlotSaved();
  EXPECT_TRUE(boxes.messages.isEmpty());
  EXPECT_EQ(form.FuncGraph2->RangeMinX, 1);
  EXPECT_EQ(form.FuncGraph2->RangeMaxX, 5);
  EXPECT_DOUBLE_EQ(form.FuncGraph2->RangeMinY, 1.5);
  EXPECT_DOUBLE_EQ(form.FuncGraph2->RangeMaxY, 3.5);
  EXPECT_EQ(form.PotentialData, (std::vector<double>{0, 2.5, 2.5, 2.5, 2.5, 0}));
}

TEST_F(plot_form_test, FirstPointIsStoredButLeftOutOfTheRange) {
  form.PointCount = 5;
  capture.write_file("v(x).dat", potential_file({-100, 0, -3.5, -3.5}));
  form.PotentialPlotSaved();
  EXPECT_EQ(form.PotentialData[1], -100);
  EXPECT_DOUBLE_EQ(form.FuncGraph2->RangeMinY, -3.85);
  EXPECT_DOUBLE_EQ(form.FuncGraph2->RangeMaxY, 0.35);
  EXPECT_EQ(potential(1.9).Y, -100);
  EXPECT_EQ(potential(3.0).Y, -3.5);
}

TEST_F(plot_form_test, SurplusLinesAreReportedOneByOneAndDropped) {
  form.PointCount = 3;
  capture.write_file("v(x).dat", potential_file({1, 2, 3, 4, 5}));
  form.PotentialPlotSaved();
  EXPECT_EQ(boxes.messages, (QStringList{surplus_line, surplus_line}));
  EXPECT_EQ(form.PotentialData, (std::vector<double>{0, 1, 2, 3}));
  // The dropped points still count for the range: 2 .. 5.
  EXPECT_DOUBLE_EQ(form.FuncGraph2->RangeMinY, 1.7);
  EXPECT_DOUBLE_EQ(form.FuncGraph2->RangeMaxY, 5.3);
}

TEST_F(plot_form_test, ShortOrHeaderOnlyFilesLeaveTheRestAtZero) {
  form.PointCount = 5;
  capture.write_file("v(x).dat", potential_file({-1, -2}));
  form.PotentialPlotSaved();
  EXPECT_EQ(form.PotentialData, (std::vector<double>{0, -1, -2, 0, 0, 0}));
  EXPECT_DOUBLE_EQ(form.FuncGraph2->RangeMinY, -3);
  EXPECT_DOUBLE_EQ(form.FuncGraph2->RangeMaxY, -1);

  capture.write_file("v(x).dat", potential_file({}));
  form.PotentialPlotSaved();
  EXPECT_EQ(form.PotentialData, std::vector<double>(6, 0.0));
  EXPECT_DOUBLE_EQ(form.FuncGraph2->RangeMinY, -1);
  EXPECT_DOUBLE_EQ(form.FuncGraph2->RangeMaxY, 1);
  EXPECT_TRUE(boxes.messages.isEmpty());
}

TEST_F(plot_form_test, FailedAllocationReadsTheFileWithoutStoring) {
  form.PointCount = -1;
  capture.write_file("v(x).dat", potential_file({1, 2}));
  form.PotentialPlotSaved();
  EXPECT_TRUE(form.PotentialData.empty());
  ASSERT_GE(boxes.messages.size(), 2);
  EXPECT_EQ(boxes.messages[0], no_memory);
  EXPECT_EQ(boxes.messages[1], "Błąd: Nie można zarezerwować pamięci na dane wykresu potencjału");
  EXPECT_FALSE(potential(1.5).visible);
}

// The handler runs while the simulation thread waits for it: instead of
// ending the process under that thread, it takes the fatal-error ending.
TEST_F(plot_form_test, MissingPotentialFileTakesTheFatalEnding) {
  install_fatal_ending();
  form.PointCount = 5;
  testing::internal::CaptureStdout();
  form.PotentialPlotSaved();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "\a");
  ASSERT_EQ(boxes.messages.size(), 2);
  EXPECT_EQ(boxes.messages[0], "Błąd: Brak pliku z danymi do wykresu potencjału (v(x).dat)");
  EXPECT_TRUE(boxes.messages[1].startsWith("Tarn: Awaryjne zamknięcie programu"));
  EXPECT_TRUE(fatal_ending_reached());
  EXPECT_TRUE(QFile::exists("tarn.log"));
  install_fatal_ending();
}

TEST_F(plot_form_test, GraphsShowTheEntryAtTheIntegerPartOfX) {
  // Before the first run both arrays are empty: nothing is drawn, no box.
  EXPECT_FALSE(wave(10).visible);
  EXPECT_EQ(wave(10).Y, 0);
  EXPECT_FALSE(potential(10).visible);

  form.PointCount = 4;
  TPlotForm::AllocatePlotArray(form.WaveData, 4);
  form.WaveData = {0, 0.1, 0.2, 0.3, 0.4};
  EXPECT_EQ(wave(2.99).Y, 0.2);
  EXPECT_TRUE(wave(2.99).visible);
  EXPECT_EQ(wave(4).Y, 0.4);
  QCoreApplication::processEvents();
  EXPECT_TRUE(boxes.messages.isEmpty());
}

TEST_F(plot_form_test, IndicesBeyondTheArrayAreReportedOnceAndNotDrawn) {
  form.PointCount = 4;
  form.WaveData = {0, 0.1, 0.2, 0.3, 0.4};
  form.PotentialData = {0, 1, 2};  // from an earlier, smaller run
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (double X : {5.0, 1e300, -3.0, nan}) EXPECT_FALSE(wave(X).visible) << X;
  EXPECT_FALSE(potential(4).visible);
  EXPECT_TRUE(boxes.messages.isEmpty());  // shown after the paint, not inside it
  QCoreApplication::processEvents();
  EXPECT_EQ(boxes.messages, (QStringList{out_of_wave_range, out_of_potential_range}));
}

TEST_F(plot_form_test, ResizingGrowsTheUpperGraphAndKeepsTheLowerAtTheBottom) {
  form.show();
  form.resize(800, 600);
  EXPECT_EQ(form.FuncGraph1->geometry(), QRect(8, 8, 784, 448));
  EXPECT_EQ(form.FuncGraph2->geometry(), QRect(8, 463, 784, 81));
  EXPECT_EQ(form.Button1->pos(), QPoint(800 - 137, 600 - 41));
  EXPECT_EQ(form.CheckBox1->pos(), QPoint(8, 600 - 41));
  EXPECT_EQ(form.Label24->pos(), QPoint(8, 600 - 21));
  EXPECT_EQ(form.TrackBar7->pos(), QPoint(136, 600 - 21));
  form.resize(553, 361);
  EXPECT_EQ(form.FuncGraph1->geometry(), QRect(8, 8, 537, 209));
  EXPECT_EQ(form.FuncGraph2->geometry(), QRect(8, 224, 537, 81));
  EXPECT_EQ(form.Shape1->pos(), QPoint(24, 217));
}

TEST_F(plot_form_test, ClosingHidesTheWindowAndTellsTheWizard) {
  int closed = 0;
  QObject::connect(&form, &TPlotForm::closed, [&closed] { ++closed; });
  form.show();
  form.Button1->click();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(closed, 1);
  form.show();
  form.close();
  EXPECT_EQ(closed, 2);
  EXPECT_FALSE(form.isVisible());
}

TEST_F(plot_form_test, ProgramWideReferencesLiveFromCreationToDestruction) {
  create_plot_windows(wizard, "Tarn 1.0");
  ASSERT_NE(PlotForm, nullptr);
  ASSERT_NE(TimePlotForm, nullptr);
  EXPECT_TRUE(PlotForm->isVisible());
  EXPECT_TRUE(TimePlotForm->isVisible());
  EXPECT_EQ(TimePlotForm->pos(), QPoint(573, 381));
  destroy_plot_windows();
  EXPECT_EQ(PlotForm, nullptr);
  EXPECT_EQ(TimePlotForm, nullptr);
}

TEST_F(plot_form_test, ScreenshotWithAWavePacketOverAWell) {
  form.PointCount = 1024;
  std::vector<double> well;
  for (int i = 1; i < 1024; ++i) well.push_back(std::abs(i - 512) < 60 ? -3.5 : 0.0);
  capture.write_file("v(x).dat", potential_file(well));
  form.show();
  form.PotentialPlotSaved();
  TPlotForm::AllocatePlotArray(form.WaveData, 1024);
  for (int i = 1; i <= 1024; ++i) form.WaveData[i] = std::exp(-std::pow((i - 400) / 50.0, 2)) / 90.0;
  form.FuncGraph1->RangeMinX = 1;
  form.FuncGraph1->RangeMaxX = 1024;
  form.FuncGraph1->RangeMinY = -0.0011;
  form.FuncGraph1->RangeMaxY = 0.0122;
  const QPixmap picture = form.grab();
  // Saved for a person to look at when the build names a folder for it.
  if (const QString directory = qEnvironmentVariable("SCREENSHOT_DIR"); !directory.isEmpty()) {
    QDir().mkpath(directory);
    EXPECT_TRUE(picture.save(directory + "/plot_form.png"));
  }
  QCoreApplication::processEvents();
  EXPECT_TRUE(boxes.messages.isEmpty()) << boxes.messages.join("\n").toStdString();
}

}  // namespace

// The window side of a run: the plot arrays prepared at the start and the
// step handler that fills them, reads the plot files and deletes or
// remembers them.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFrame>
#include <QProgressBar>

#include <filesystem>
#include <sstream>

#include "core_capture.h"
#include "dialog_recorder.h"
#include "fatal_ending.h"
#include "func_graph.h"
#include "grid_parameters.h"
#include "plot_arrays.h"
#include "plot_form.h"
#include "step_handler.h"
#include "time_plot_form.h"

namespace {

std::string plot_file(const std::vector<double>& values, int header_lines = 5) {
  std::ostringstream text;
  for (int i = 0; i < header_lines; ++i) text << "#naglowek " << i << "\n";
  for (std::size_t i = 0; i < values.size(); ++i) text << (i * 0.5 - 10) << "  " << values[i] << "\n";
  return text.str();
}

// The two plot windows beside a stand-in wizard, in a scratch directory.
class StepHandler : public testing::Test {
 protected:
  StepHandler() : plot_(wizard_, "tarn"), time_plot_(wizard_, "tarn") {
    core_capture::write_file("1d-grid.par", "1.0\n4 -2 2\n10 0 0.1\n");
    grid_parameters grid("1d-grid.par", 2);
    prepare_plot_arrays(&plot_, &time_plot_, &progress_, grid);
    context_ = {&plot_, &time_plot_, &progress_, -2, 2, false, true, &files_, &first_plot_};
    install_fatal_ending();
  }
  ~StepHandler() override { install_fatal_ending(); }

  core_capture capture_;
  dialog_recorder boxes_;
  QWidget wizard_;
  TPlotForm plot_;
  TTimePlotForm time_plot_;
  QProgressBar progress_;
  QStringList files_;
  bool first_plot_ = true;
  step_context context_;
};

TEST_F(StepHandler, RunStartPreparesTheArrays) {
  EXPECT_EQ(plot_.PointCount, 5);
  EXPECT_EQ(plot_.WaveData.size(), 6u);
  EXPECT_EQ(plot_.FuncGraph1->RangeMinX, 1);
  EXPECT_EQ(plot_.FuncGraph1->RangeMaxX, 5);
  EXPECT_EQ(time_plot_.StepCount, 10);
  EXPECT_EQ(time_plot_.NormData, std::vector<double>(11, 0.0));
  EXPECT_EQ(time_plot_.CorrelationData, std::vector<double>(11, 0.0));
  EXPECT_EQ(time_plot_.PositionData, std::vector<double>(11, 0.0));
  EXPECT_EQ(time_plot_.FuncGraph1->RangeMaxX, 10);
  EXPECT_EQ(time_plot_.FuncGraph1->RangeMinY, -0.1);
  EXPECT_EQ(time_plot_.FuncGraph1->RangeMaxY, 1.1);
  EXPECT_EQ(progress_.maximum(), 10);
  EXPECT_EQ(progress_.value(), 0);
  EXPECT_TRUE(boxes_.messages.isEmpty());
}

TEST_F(StepHandler, RunWithoutStepsKeepsARealBar) {
  core_capture::write_file("1d-grid.par", "1.0\n4 -2 2\n0 0 0.1\n");
  prepare_plot_arrays(&plot_, &time_plot_, &progress_, grid_parameters("1d-grid.par", 2));
  EXPECT_EQ(progress_.maximum(), 1);
  EXPECT_EQ(time_plot_.NormData.size(), 1u);
}

TEST_F(StepHandler, LongRunsFitTheBar) {
  core_capture::write_file("1d-grid.par", "1.0\n4 -2 2\n100000 0 0.1\n");
  prepare_plot_arrays(&plot_, &time_plot_, &progress_, grid_parameters("1d-grid.par", 2));
  EXPECT_EQ(progress_.maximum(), 100000);
  core_capture::write_file("plt70000.dat", plot_file({1, 2, 3, 4, 5}));
  handle_step(context_, {}, 70000, "plt70000.dat");
  EXPECT_EQ(progress_.value(), 70000);
}

TEST_F(StepHandler, StepWithoutPlotFileStoresOnlyTheQuantities) {
  ASSERT_TRUE(handle_step(context_, {0.99, 0.5, 1.0}, 3, ""));
  EXPECT_DOUBLE_EQ(time_plot_.NormData[3], 0.99);
  EXPECT_DOUBLE_EQ(time_plot_.CorrelationData[3], 0.5);
  EXPECT_DOUBLE_EQ(time_plot_.PositionData[3], 0.75);  // (1 - -2) / (2 - -2)
  EXPECT_EQ(progress_.value(), 0);
  EXPECT_TRUE(first_plot_);
}

TEST_F(StepHandler, PlotStepReadsRemembersAndMoves) {
  core_capture::write_file("plt00005.dat", plot_file({0.1, 0.2, 0.6, 0.3, 0.2}));
  const int marker_top = plot_.Shape1->y();
  ASSERT_TRUE(handle_step(context_, {1, 1, 0}, 5, "plt00005.dat"));
  EXPECT_EQ(plot_.WaveData, (std::vector<double>{0, 0.1, 0.2, 0.6, 0.3, 0.2}));
  EXPECT_EQ(files_, QStringList("plt00005.dat"));
  EXPECT_TRUE(std::filesystem::exists("plt00005.dat"));
  EXPECT_FALSE(first_plot_);
  EXPECT_DOUBLE_EQ(plot_.FuncGraph1->RangeMinY, 0.2 - 0.04);
  EXPECT_DOUBLE_EQ(plot_.FuncGraph1->RangeMaxY, 0.6 + 0.04);
  EXPECT_EQ(progress_.value(), 5);
  const QRect graph = plot_.FuncGraph1->geometry();
  EXPECT_EQ(plot_.Shape1->x(), graph.x() + graph.width() / 2);
  EXPECT_EQ(plot_.Shape2->x(), static_cast<int>(graph.x() + graph.width() * 3.0 / 5));
  EXPECT_EQ(plot_.Shape1->y(), marker_top);
  EXPECT_FALSE(plot_.Shape1->isVisible());
  EXPECT_FALSE(plot_.Shape2->isVisible());
}

TEST_F(StepHandler, RangeStaysAfterTheFirstPlotUnlessAskedForEveryStep) {
  core_capture::write_file("a.dat", plot_file({0, 0.5, 0.5, 0.5, 0.5}));
  core_capture::write_file("b.dat", plot_file({0, 0.1, 0.2, 0.9, 0.2}));
  handle_step(context_, {}, 5, "a.dat");
  EXPECT_DOUBLE_EQ(plot_.FuncGraph1->RangeMinY, -0.5);  // all equal: value - 1 .. value + 1
  EXPECT_DOUBLE_EQ(plot_.FuncGraph1->RangeMaxY, 1.5);
  handle_step(context_, {}, 10, "b.dat");
  EXPECT_DOUBLE_EQ(plot_.FuncGraph1->RangeMaxY, 1.5);
  plot_.CheckBox1->setChecked(true);
  handle_step(context_, {}, 10, "b.dat");
  EXPECT_NEAR(plot_.FuncGraph1->RangeMaxY, 0.98, 1e-12);
  EXPECT_EQ(files_, QStringList({"a.dat", "b.dat", "b.dat"}));
}

TEST_F(StepHandler, DeletionAfterShowing) {
  context_.delete_after_plot = true;
  context_.ask_at_end = false;
  core_capture::write_file("plt00005.dat", plot_file({1, 2, 3, 4, 5}));
  ASSERT_TRUE(handle_step(context_, {}, 5, "plt00005.dat"));
  EXPECT_FALSE(std::filesystem::exists("plt00005.dat"));
  EXPECT_TRUE(files_.isEmpty());
  EXPECT_DOUBLE_EQ(plot_.WaveData[5], 5);
}

TEST_F(StepHandler, LongerFileGivesOneBoxAndKeepsTheArray) {
  core_capture::write_file("plt00005.dat", plot_file(std::vector<double>(500, 0.01)));
  ASSERT_TRUE(handle_step(context_, {}, 5, "plt00005.dat"));
  EXPECT_EQ(
      boxes_.messages,
      QStringList("Błąd: plik z danymi do wykresu funkcji falowej ma więcej linii niż zadeklarowana wielkość sieci"));
  EXPECT_EQ(plot_.WaveData.size(), 6u);
}

TEST_F(StepHandler, MissingPlotFileEndsTheProgram) {
  testing::internal::CaptureStdout();
  EXPECT_FALSE(handle_step(context_, {}, 5, "plt00005.dat"));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "\a");
  ASSERT_EQ(boxes_.messages.size(), 2);
  EXPECT_EQ(boxes_.messages[0], "Błąd: Brak pliku z danymi do wykresu funkcji falowej (plt00005.dat)");
  EXPECT_TRUE(boxes_.messages[1].startsWith("Tarn: Awaryjne zamknięcie programu"));
  EXPECT_TRUE(fatal_ending_reached());
  EXPECT_TRUE(std::filesystem::exists("tarn.log"));
}

TEST_F(StepHandler, FailedAllocationsAreNeverWritten) {
  plot_.WaveData.clear();
  time_plot_.NormData.clear();
  time_plot_.PositionData.resize(2);  // an array left shorter than the run
  core_capture::write_file("plt00005.dat", plot_file({1, 2, 3, 4, 5}));
  ASSERT_TRUE(handle_step(context_, {1, 1, 1}, 5, "plt00005.dat"));
  EXPECT_TRUE(plot_.WaveData.empty());
  EXPECT_TRUE(time_plot_.NormData.empty());
  EXPECT_EQ(time_plot_.PositionData.size(), 2u);
  EXPECT_DOUBLE_EQ(time_plot_.CorrelationData[5], 1);
}

TEST_F(StepHandler, ZeroWidthGridLeavesTheMarker) {
  context_.xmin = context_.xmax = 0;
  const int left = plot_.Shape1->x();
  core_capture::write_file("plt00005.dat", plot_file({1, 2, 3, 4, 5}));
  ASSERT_TRUE(handle_step(context_, {1, 1, 0}, 5, "plt00005.dat"));
  EXPECT_EQ(plot_.Shape1->x(), left);
}

TEST_F(StepHandler, WithoutWindowsTheFileIsStillHandled) {
  step_context bare;
  bare.delete_after_plot = true;
  core_capture::write_file("plt00005.dat", plot_file({1, 2}));
  ASSERT_TRUE(handle_step(bare, {}, 5, "plt00005.dat"));
  EXPECT_FALSE(std::filesystem::exists("plt00005.dat"));
}

}  // namespace

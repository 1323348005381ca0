#include "grid_parameters.h"

#include <gtest/gtest.h>

#include "core_capture.h"

namespace {

struct GridFile : ::testing::Test {
  core_capture capture;
  grid_parameters read(const std::string& text, int level = 1) {
    core_capture::write_file("g.par", text);
    return grid_parameters("g.par", level);
  }
};

TEST_F(GridFile, DerivesStepsAndCoordinates) {
  auto grid = read("1\n101 -10 10\n1000 0 0.05\n");
  EXPECT_EQ(grid.status, 0);
  EXPECT_DOUBLE_EQ(grid.dx, 0.2);
  EXPECT_EQ(grid.x_count, 102);
  EXPECT_EQ(grid.xdim(), 101);
  EXPECT_EQ(grid.tdim, 1000);
  EXPECT_DOUBLE_EQ(grid.tmax, 50);
  EXPECT_DOUBLE_EQ(static_cast<double>(grid.x(1)), -10);
  EXPECT_NEAR(static_cast<double>(grid.x(101)), 10, 1e-12);
  EXPECT_DOUBLE_EQ(static_cast<double>(grid.t(0)), 0);
  EXPECT_EQ(capture.messages(), "Inicjacja siatki przestrzennej i czasowej ...\n");
  EXPECT_EQ(capture.errors(), "");
}

TEST_F(GridFile, SummaryAtLevelZeroAndDumpBelow) {
  auto grid = read("1 3 0 1 2 0 0.5", 0);
  EXPECT_EQ(capture.messages(),
            "Inicjacja siatki przestrzennej i czasowej ...\n"
            "Parametry siatki pobrano z pliku g.par, wersja 1\n"
            "x:  ilosc wezlow=3, xmin=0, xmax=1, dx=0.5\n"
            "t:  ilosc wezlow=2, tmin=0, tmax=1, dt=0.5\n"
            "Uwaga! Rzeczywisty rozmiar sieci x to 4, pomijana sa zerowe elementy macierzy\n");
  capture.clear();
  read("1 3 0 1 2 0 0.5", -1);
  EXPECT_NE(capture.messages().find("x: (0, 0.5, 1)\n"), std::string::npos);
  std::ostringstream line;
  grid.write_summary_line(line);
  EXPECT_EQ(line.str(), "Parametry sieci  x: 3 (0,1),  t: 2 (0,1)\n");
}

TEST_F(GridFile, QuietLevelStillReportsErrors) {
  testing::internal::CaptureStdout();
  grid_parameters grid("missing.par", 2);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "\a");
  EXPECT_EQ(grid.status, 1);
  EXPECT_EQ(grid.x_count, -1);
  EXPECT_EQ(capture.messages(), "");
  EXPECT_EQ(capture.errors(), "\n\t*** Brak pliku parametrow sieci! (missing.par)\n\n");
}

TEST_F(GridFile, EmptyNameAndWrongVersion) {
  grid_parameters unnamed("", 1);
  EXPECT_EQ(unnamed.status, 1);
  EXPECT_EQ(capture.errors(), "\n\t*** Brak nazwy pliku parametrow sieci! ()\n\n");
  capture.clear();
  auto grid = read("2 101 -10 10 1000 0 0.05");
  EXPECT_EQ(grid.status, 1);
  EXPECT_EQ(grid.x_count, 0);
  EXPECT_EQ(capture.errors(), "\n\t*** Nieodpowiednia wersja pliku z parametrami! (g.par)\n\n");
}

TEST_F(GridFile, InvalidGridsAreRefused) {
  const char* invalid[] = {
      "1 0 -10 10 1000 0 0.05",      // no points
      "1 101 -10 10 -1 0 0.05",      // negative step count
      "1 101 10 10 1000 0 0.05",     // xmin = xmax
      "1 101 -10 10 1000 0 0",       // dt 0
      "1 101 -10 10 1000 0\n",       // dt missing
      "1 101 -10 ten 1000 0 0.05",   // unreadable token stops the reading
      "1 1 -10 10 1000 0 0.05",      // one point: no step between points
      "1 -5e12 -10 10 1000 0 0.05",  // far below the integer range
      "1 64 -10 10 3 0 1e-320",      // subnormal dt: 2 dx / dt is infinite
      "1 64 -1e308 1e308 3 0 0.05",  // xmax - xmin overflows
      "1 64 -10 10 3 0 1e308",       // tmax overflows
      "1 2e9 0 1e-315 3 0 0.05",     // dx underflows to 0
      "",                            // empty file: no version either
  };
  for (const char* text : invalid) {
    capture.clear();
    auto grid = read(text);
    EXPECT_EQ(grid.status, 1) << text;
    if (std::string(text).empty()) continue;
    EXPECT_EQ(grid.x_count, -1) << text;
    EXPECT_EQ(capture.errors(), "\n\t*** Nieprawidlowe parametry sieci! (g.par)\n\n") << text;
  }
}

TEST_F(GridFile, CountsBeyondIntegerRange) {
  auto wide = read("1 3e9 -10 10 1000 0 0.05");
  EXPECT_EQ(wide.status, 1);
  EXPECT_EQ(capture.errors(), "\n\t*** Blad: wymiar sieci przestrzennej przekracza zakres typu calkowitego\n\n");
  capture.clear();
  auto edge = read("1 2147483647 -10 10 1000 0 0.05");
  EXPECT_EQ(edge.status, 1);
  EXPECT_EQ(capture.errors(), "\n\t*** Blad: wymiar sieci przestrzennej przekracza zakres typu calkowitego\n\n");
  capture.clear();
  auto longrun = read("1 101 -10 10 1e10 0 0.05");
  EXPECT_EQ(longrun.status, 1);
  EXPECT_EQ(capture.errors(), "\n\t*** Blad: wymiar sieci czasowej przekracza zakres typu calkowitego\n\n");
}

TEST_F(GridFile, ZeroStepsIsValidAndCountsAreTruncated) {
  auto grid = read("1 11.9 0 1 0.7 0 0.1 extra tokens");
  EXPECT_EQ(grid.status, 0);
  EXPECT_EQ(grid.xdim(), 11);
  EXPECT_EQ(grid.tdim, 0);
  EXPECT_DOUBLE_EQ(grid.xdim_read, 11.9);
  EXPECT_DOUBLE_EQ(grid.tmax, 0);
}

TEST_F(GridFile, LongNamesAreCut) {
  grid_parameters grid(std::string(1500, 'n'), 1);
  EXPECT_EQ(grid.name.size(), 999u);
}

}  // namespace

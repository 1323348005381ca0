// The one reader of the plot windows' column files: plot files of two
// columns and the potential file of four.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "column_file.h"

namespace {

// Header lines, then "x  value [more columns]" per point.
std::string column_file(const std::vector<double>& values, int columns = 2, int header_lines = 5) {
  std::ostringstream text;
  for (int i = 0; i < header_lines; ++i) text << "#naglowek " << i << "\n";
  for (std::size_t i = 0; i < values.size(); ++i) {
    text << (i * 0.5 - 10) << "  " << values[i];
    for (int c = 2; c < columns; ++c) text << "  " << -7.0 * c;
    text << "\n";
  }
  return text.str();
}

column_file_reading read(const std::string& text, int columns, std::vector<double>& data, int point_count) {
  std::istringstream file(text);
  return read_column_file(file, columns, data, point_count);
}

TEST(ColumnFile, FirstLineThenGroupsTheFirstPointOutsideTheRange) {
  std::vector<double> data(6, -1.0);
  const auto reading = read(column_file({0.7, 0.1, 0.4, 0.2, 0.3}), 2, data, 5);
  EXPECT_EQ(data, (std::vector<double>{-1.0, 0.7, 0.1, 0.4, 0.2, 0.3}));
  EXPECT_DOUBLE_EQ(reading.maximum, 0.4);
  EXPECT_EQ(reading.maximum_index, 3);
  EXPECT_DOUBLE_EQ(reading.minimum, 0.1);
  EXPECT_EQ(reading.surplus, 0);

  // Four columns: only the second one of each group is a value.
  std::vector<double> potential(6, 0.0);
  const auto four = read(column_file({-100, 0, -3.5, 2, 1}, 4), 4, potential, 5);
  EXPECT_EQ(potential, (std::vector<double>{0, -100, 0, -3.5, 2, 1}));
  EXPECT_DOUBLE_EQ(four.minimum, -3.5);
  EXPECT_DOUBLE_EQ(four.maximum, 2);
  EXPECT_EQ(four.maximum_index, 4);
}

TEST(ColumnFile, LongHeaderLinesAreSkippedWhole) {
  std::vector<double> data(4, 0.0);
  read("#" + std::string(300, 'x') + " 9 9\n#\n1 2\n3 4\n5 6\n", 2, data, 3);
  EXPECT_EQ(data, (std::vector<double>{0, 2, 4, 6}));
}

TEST(ColumnFile, SurplusPointsAreCountedNotStoredAndStillSetTheRange) {
  std::vector<double> data(4, 0.0);
  const auto reading = read(column_file({1, 2, 3, 9, 8}), 2, data, 3);
  EXPECT_EQ(data, (std::vector<double>{0, 1, 2, 3}));
  EXPECT_EQ(reading.surplus, 2);
  EXPECT_DOUBLE_EQ(reading.maximum, 9);
}

TEST(ColumnFile, ArrayShorterThanTheCountIsNeverWrittenPast) {
  std::vector<double> data;  // an allocation that failed
  const auto reading = read(column_file({1, 2, 3}), 2, data, 3);
  EXPECT_TRUE(data.empty());
  EXPECT_DOUBLE_EQ(reading.maximum, 3);
}

TEST(ColumnFile, OnlyTheFirstPointOrNoneOrAnIncompleteGroup) {
  std::vector<double> data(3, 0.0);
  const auto first = read("#h\n-1 0.25\n", 2, data, 2);
  EXPECT_TRUE(first.has_values);
  EXPECT_DOUBLE_EQ(data[1], 0.25);
  EXPECT_DOUBLE_EQ(first.maximum, 0.25);
  EXPECT_DOUBLE_EQ(first.minimum, 0.25);
  EXPECT_EQ(first.maximum_index, 1);

  const auto none = read("#h\n#h\n", 2, data, 2);
  EXPECT_FALSE(none.has_values);
  EXPECT_EQ(none.maximum, 0);

  std::vector<double> potential(4, 0.0);
  const auto partial = read("0 1 0 0\n1 2 0 0\n2 3 0\n", 4, potential, 3);
  EXPECT_EQ(potential, (std::vector<double>{0, 1, 2, 0}));
  EXPECT_DOUBLE_EQ(partial.maximum, 2);
}

}  // namespace

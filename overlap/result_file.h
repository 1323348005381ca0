// The result file that ovint appends to: a header at every run and one row
// per comparison. A row starts with its line break and has none at its end,
// so the file never ends with a line break.
#pragma once

#include <fstream>
#include <string>
#include <string_view>

#include "overlap_sums.h"

// "#Zapis wynikow ..." naming the first input, then the column line, then "#".
std::string result_header(std::string_view first_name);
// "\n" index, then N2, P, Q and X2, each after two blanks. The index is -1
// for a single comparison and 0..10 in loop mode.
std::string result_row(int index, const OverlapSums& sums);

// The file, opened for appending (created when missing, never truncated).
// Each addition reaches the disk whole or not at all: one that cannot be
// written is cut off again, so earlier results stay as they were.
class result_file {
 public:
  // False when the file cannot be opened for appending.
  bool open(const std::string& name);
  // False when the text could not be written whole.
  bool append(std::string_view text);

 private:
  std::string name_;
  std::ofstream file_;
};

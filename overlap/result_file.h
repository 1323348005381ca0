// The result file that ovint appends to: a header at every run and one row
// per comparison. A row starts with its line break and has none at its end,
// so the file never ends with a line break.
#pragma once

#include <ostream>
#include <string_view>

#include "overlap_sums.h"

// "#Zapis wynikow ..." naming the first input, then the column line, then "#".
void write_result_header(std::ostream& file, std::string_view first_name);
// "\n" index, then N2, P, Q and X2, each after two blanks. The index is -1
// for a single comparison and 0..10 in loop mode.
void write_result_row(std::ostream& file, int index, const OverlapSums& sums);

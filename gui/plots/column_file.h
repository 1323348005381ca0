// The column files the core writes for the plot windows: header lines that
// begin with "#", then one point per line, the point's x first and its value
// second. A squared-modulus plot file has two columns (x, |psi|^2), the
// potential file four (x, V, Re U, Im U). Both windows and the step handler
// read them through this one reader.
#pragma once

#include <iosfwd>
#include <vector>

class QString;

// What reading a column file found.
struct column_file_reading {
  bool has_values = false;      // at least the first point held a value
  double maximum = 0;           // of the values from the second point on
  double minimum = 0;
  long long maximum_index = 0;  // point number of the maximum
  int surplus = 0;              // points beyond point_count, not stored
};

// Reads the points' values into data, point i at index i (from 1). Header
// lines are skipped whole, however long; in the first other line the value
// is the number after its first space. From the second point on the file is
// read as whitespace-separated groups of `columns` numbers, up to the first
// group that is not complete. A point beyond point_count is counted as
// surplus and not stored; nothing is stored beyond the array either (a
// failed allocation leaves it empty). The maximum and minimum cover the
// points from the second on, surplus ones included; without any such point
// they are the first value, at index 1.
column_file_reading read_column_file(std::istream& file, int columns, std::vector<double>& data,
                                     int point_count);

// Opens a column file whose absence ends the program: when it cannot be
// opened, the box "text (name)" and the alarm come, then the program's fatal
// ending (box, log, exit). The ending is not unwound past this call: it
// returns false and the caller only has to return; a simulation thread that
// waits for the caller stops by itself. Returns true with the file open
// otherwise.
bool open_column_file(std::ifstream& file, const QString& name, const QString& text);

#include "wave_file_info.h"

#include <limits>
#include <sstream>
#include <string>

namespace {

// Reads one line, without its line break, into text. Returns false at the
// end of the file; sets ended_inside when the last line had no line break
// and too_long when the line exceeds the limit (reading then stops).
bool read_line(std::istream& file, std::string& text, bool& ended_inside, bool& too_long) {
  text.clear();
  std::streambuf* buffer = file.rdbuf();
  for (;;) {
    const int c = buffer->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      if (!text.empty()) ended_inside = true;
      return !text.empty();
    }
    if (c == '\n') return true;
    if (text.size() >= max_line_length) {
      too_long = true;
      return false;
    }
    text.push_back(static_cast<char>(c));
  }
}

// The numbers after the comment block: how many were read, the last two, and
// how many the last two lines that hold anything carried.
struct number_scan {
  long long count = 0;
  double before_last = 0, last = 0;
  int last_line_numbers = -1, line_before_numbers = -1;
  bool unreadable = false;  // a token that is not a number

  void add_line(const std::string& line) {
    std::istringstream tokens(line);
    int numbers = 0;
    double value = 0;
    while (tokens >> value) {
      before_last = last;
      last = value;
      ++count;
      ++numbers;
    }
    if (!tokens.eof()) unreadable = true;
    if (numbers == 0 && !unreadable) return;  // a blank line
    line_before_numbers = last_line_numbers;
    last_line_numbers = unreadable ? -1 : numbers;
  }
};

}  // namespace

WaveFileInfo describe_wave_file(std::istream& file) {
  WaveFileInfo info;
  std::string line;
  bool ended_inside = false, too_long = false;
  // Comment lines are recognised by their first character only.
  bool have_line = read_line(file, line, ended_inside, too_long);
  while (have_line && !line.empty() && line[0] == '#') {
    ++info.comment_lines;
    have_line = read_line(file, line, ended_inside, too_long);
  }
  number_scan scan;
  while (have_line && !scan.unreadable) {
    scan.add_line(line);
    have_line = read_line(file, line, ended_inside, too_long);
  }
  if (too_long) {
    info.fault = wave_file_fault::long_line;
    return info;
  }
  if (scan.count < 2) {
    info.point_count = -1;
    info.fault = wave_file_fault::no_data;
    return info;
  }
  // The pairs before the closing pair of x values.
  info.point_count = static_cast<int>(std::min<long long>(scan.count / 2 - 1, std::numeric_limits<int>::max()));
  info.first_x = scan.before_last;
  info.last_x = scan.last;
  const bool closing_pair = scan.last_line_numbers == 1 && scan.line_before_numbers == 1;
  if (ended_inside || scan.unreadable || scan.count % 2 != 0 || !closing_pair) info.fault = wave_file_fault::cut;
  // A single point has no step; 0 keeps its x finite instead of dividing by 0.
  if (info.point_count != 1) info.dx = (info.last_x - info.first_x) / (info.point_count - 1);
  return info;
}

void skip_lines(std::istream& file, int count) {
  for (int i = 0; i < count; ++i) file.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
}

bool same_grid(const WaveFileInfo& a, const WaveFileInfo& b) {
  return a.point_count == b.point_count && a.first_x == b.first_x && a.last_x == b.last_x;
}

#include "run_summary.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>

#include "parameter_text.h"

namespace fs = std::filesystem;

namespace {

// Parses up to five blank-separated numbers of a line; returns how many.
int parse_columns(const char* begin, const char* end, double (&columns)[5]) {
  int count = 0;
  while (begin < end && count < 6) {
    while (begin < end && (*begin == ' ' || *begin == '\t' || *begin == '\r')) ++begin;
    if (begin == end) break;
    if (count == 5) return 6;
    const auto result = std::from_chars(begin, end, columns[count]);
    if (result.ec != std::errc()) return -1;
    begin = result.ptr;
    ++count;
  }
  return count;
}

std::string read_whole(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

bool read_run_summary(const fs::path& file, long expected_lines, run_summary& summary, std::string& error) {
  summary = run_summary{};
  if (!fs::is_regular_file(file)) {
    error = "brak pliku " + file.string();
    return false;
  }
  const std::string text = read_whole(file);
  const char* at = text.data();
  const char* const end = text.data() + text.size();
  int width = 0;
  while (at < end) {
    const char* line_end = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)));
    if (!line_end) line_end = end;
    if (at != line_end && *at != '#') {
      double columns[5];
      const int count = parse_columns(at, line_end, columns);
      if ((count != 4 && count != 5) || (width != 0 && count != width)) {
        error = "uszkodzony wiersz " + std::to_string(summary.lines + 1) + " w " + file.string();
        return false;
      }
      width = count;
      summary.norm = columns[1];
      summary.overlap = columns[count - 2];
      summary.mean_x = columns[count - 1];
      summary.max_abs_x = std::fmax(summary.max_abs_x, std::fabs(summary.mean_x));
      ++summary.lines;
    }
    at = line_end + 1;
  }
  if (summary.lines < expected_lines || summary.lines == 0) {
    error = "niepelny plik " + file.string() + " (" + std::to_string(summary.lines) + " z " +
            std::to_string(expected_lines) + " wierszy)";
    return false;
  }
  return true;
}

long grid_time_steps(const fs::path& grid_file) {
  const parameter_text grid(read_whole(grid_file));
  double tdim = 0;
  if (grid.token_count() < 5) return -1;
  const std::string token(grid.token(4));
  std::istringstream stream(token);
  if (!(stream >> tdim) || tdim < 0) return -1;
  return static_cast<long>(tdim);
}

#include "run_summary.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "parameter_text.h"

namespace fs = std::filesystem;

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Parses up to five blank-separated numbers of a line; returns how many.
int parse_columns(const char* begin, const char* end, double (&columns)[5]) {
  int count = 0;
  while (begin < end && count < 6) {
    while (begin < end && is_blank(*begin)) ++begin;
    if (begin == end) break;
    if (count == 5) return 6;
    const auto result = std::from_chars(begin, end, columns[count]);
    if (result.ec != std::errc()) return -1;
    begin = result.ptr;
    ++count;
  }
  return count;
}

// The whole file in one read, into a buffer that keeps its capacity.
bool read_file_into(const fs::path& file, std::string& text) {
  std::FILE* stream = std::fopen(file.c_str(), "rb");
  if (!stream) return false;
  text.clear();
  char block[65536];
  for (std::size_t count; (count = std::fread(block, 1, sizeof block, stream)) > 0;) text.append(block, count);
  const bool read = !std::ferror(stream);
  std::fclose(stream);
  return read;
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
  std::string text;
  if (!read_file_into(file, text)) {
    error = "brak pliku " + file.string();
    return false;
  }
  // Only <x> is needed from every line; the whole last line is read below.
  const char* at = text.data();
  const char* const end = text.data() + text.size();
  const char* last_line = nullptr;
  const char* last_end = nullptr;
  while (at < end) {
    const char* line_end = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)));
    if (!line_end) line_end = end;
    if (at != line_end && *at != '#') {
      const char* field_end = line_end;
      while (field_end > at && is_blank(field_end[-1])) --field_end;
      const char* field = field_end;
      while (field > at && !is_blank(field[-1])) --field;
      double x = 0;
      const auto result = std::from_chars(field, field_end, x);
      if (field == at || result.ec != std::errc() || result.ptr != field_end) {
        error = "uszkodzony wiersz " + std::to_string(summary.lines + 1) + " w " + file.string();
        return false;
      }
      summary.max_abs_x = std::fmax(summary.max_abs_x, std::fabs(x));
      last_line = at;
      last_end = line_end;
      ++summary.lines;
    }
    at = line_end + 1;
  }
  double columns[5];
  const int count = last_line ? parse_columns(last_line, last_end, columns) : 0;
  if (last_line && count != 4 && count != 5) {
    error = "uszkodzony ostatni wiersz w " + file.string();
    return false;
  }
  if (summary.lines < expected_lines || summary.lines == 0) {
    error = "niepelny plik " + file.string() + " (" + std::to_string(summary.lines) + " z " +
            std::to_string(expected_lines) + " wierszy)";
    return false;
  }
  summary.norm = columns[1];
  summary.overlap = columns[count - 2];
  summary.mean_x = columns[count - 1];
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

#include "dipole_series.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <string_view>

#include "messages.h"

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Reads the time and the wanted column of one data line; false when the
// line has fewer than the five fields of the record or either of the two
// is not a number. The other fields are only counted: a long record is
// read in well under a second.
bool parse_line(std::string_view line, int column, double& time, double& value) {
  const char* p = line.data();
  const char* end = p + line.size();
  for (int field = 0; field < dipole_column_count; ++field) {
    while (p < end && is_blank(*p)) ++p;
    if (p == end) return false;
    if (field == time_column || field == column) {
      const auto result = std::from_chars(p, end, field == column ? value : time);
      if (result.ec != std::errc() || (result.ptr < end && !is_blank(*result.ptr))) return false;
      p = result.ptr;
    } else {
      while (p < end && !is_blank(*p)) ++p;
    }
  }
  return true;
}

int bad_file(const std::string& text, const std::string& name) {
  error_line_with_file(text, name);
  return 1;
}

}  // namespace

int read_dipole_series(const std::string& name, dipole_column column, dipole_series& series) {
  std::ifstream file(name, std::ios::binary);
  if (!file.is_open()) {
    return bad_file(
        "Blad: brak pliku przyspieszenia dipolowego (zapisuje go przebieg z d_save = 1 w pliku parametrow rownania)!",
        name);
  }

  series.values.clear();
  std::vector<double> times;
  std::size_t line_number = 0;
  // The file goes through a block of text at a time; a line cut by the end
  // of a block waits for the next one.
  constexpr std::size_t block_size = 1 << 20;
  std::string text;
  bool at_end = false;
  while (!at_end) {
    const std::size_t kept = text.size();
    text.resize(kept + block_size);
    file.read(text.data() + kept, block_size);
    text.resize(kept + static_cast<std::size_t>(file.gcount()));
    at_end = !file;
    std::size_t start = 0;
    for (;;) {
      std::size_t stop = text.find('\n', start);
      if (stop == std::string::npos) {
        if (!at_end || start >= text.size()) break;
        stop = text.size();  // the last line lacks its line break
      }
      const std::string_view line(text.data() + start, stop - start);
      start = stop + 1;
      ++line_number;
      if (line.empty() || line[0] == '#') continue;
      double time = 0, value = 0;
      if (!parse_line(line, column, time, value)) {
        return bad_file("Blad: niepelny wiersz " + std::to_string(line_number) +
                            " pliku przyspieszenia dipolowego!",
                        name);
      }
      times.push_back(time);
      series.values.push_back(value);
    }
    text.erase(0, std::min(start, text.size()));
  }
  if (times.size() < minimum_time_nodes) {
    return bad_file("Blad: za malo wezlow czasowych w pliku przyspieszenia dipolowego (" +
                        std::to_string(times.size()) + ", potrzeba co najmniej " +
                        std::to_string(minimum_time_nodes) + ")!",
                    name);
  }
  series.t0 = times.front();
  series.dt = (times.back() - times.front()) / static_cast<double>(times.size() - 1);
  // The transform assumes equal steps: a record glued from two runs, or one
  // with lines missing, would give a wrong frequency axis.
  for (std::size_t j = 0; j < times.size(); ++j) {
    if (!(series.dt > 0) || !(std::fabs(times[j] - (series.t0 + j * series.dt)) <= 1e-6 * series.dt)) {
      return bad_file("Blad: nierowne kroki czasowe w pliku przyspieszenia dipolowego!", name);
    }
  }
  return 0;
}

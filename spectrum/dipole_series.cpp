#include "dipole_series.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <string_view>

#include "messages.h"

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Splits one data line into its numbers; false when it has fewer than the
// five of the record or a token that is not a number.
bool parse_line(std::string_view line, double (&numbers)[dipole_column_count]) {
  const char* p = line.data();
  const char* end = p + line.size();
  for (double& number : numbers) {
    while (p < end && is_blank(*p)) ++p;
    const auto result = std::from_chars(p, end, number);
    if (result.ec != std::errc() || (result.ptr < end && !is_blank(*result.ptr))) return false;
    p = result.ptr;
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
  if (!file.is_open()) return bad_file("Blad: brak pliku przyspieszenia dipolowego!", name);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());

  series.values.clear();
  std::vector<double> times;
  std::size_t line_number = 0;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t stop = text.find('\n', start);
    if (stop == std::string::npos) stop = text.size();
    const std::string_view line(text.data() + start, stop - start);
    start = stop + 1;
    ++line_number;
    if (line.empty() || line[0] == '#') continue;
    double numbers[dipole_column_count];
    if (!parse_line(line, numbers)) {
      return bad_file("Blad: niepelny wiersz " + std::to_string(line_number) + " pliku przyspieszenia dipolowego!",
                      name);
    }
    times.push_back(numbers[time_column]);
    series.values.push_back(numbers[column]);
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

#include "value_list.h"

#include <charconv>
#include <cmath>

namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t at = text.find(separator);
    parts.push_back(text.substr(0, at));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

bool parse_count(std::string_view text, long& count, std::string& error) {
  double value = 0;
  if (!parse_number(text, value) || value != std::floor(value)) {
    error = "liczba wartosci \"" + std::string(text) + "\" nie jest liczba calkowita";
    return false;
  }
  if (value < 1 || value > 1e5) {
    error = "liczba wartosci " + std::string(text) + " poza zakresem 1..100000";
    return false;
  }
  count = static_cast<long>(value);
  return true;
}

// count points from first to last; both ends are exact.
void fill_range(value_list& list, double first, double last, long count) {
  list.values.clear();
  for (long i = 0; i < count; ++i) {
    if (i == 0) {
      list.values.push_back(first);
    } else if (i == count - 1) {
      list.values.push_back(last);
    } else if (list.logarithmic) {
      // Decimal exponents, so that the decades inside the range come out
      // as the round numbers the user would type (1, not 1.0000000000000004).
      const double step = (std::log10(last) - std::log10(first)) / static_cast<double>(count - 1);
      list.values.push_back(std::pow(10.0, std::log10(first) + step * static_cast<double>(i)));
    } else {
      const double step = (last - first) / static_cast<double>(count - 1);
      list.values.push_back(first + step * static_cast<double>(i));
    }
  }
}

bool parse_range(const std::vector<std::string_view>& parts, value_list& list, std::string& error) {
  double first = 0, last = 0;
  long count = 0;
  const std::size_t base = list.logarithmic ? 1 : 0;
  if (!parse_number(parts[base], first) || !parse_number(parts[base + 1], last)) {
    error = "granica zakresu nie jest liczba";
    return false;
  }
  if (!parse_count(parts[base + 2], count, error)) return false;
  if (list.logarithmic && !(first > 0 && last > 0)) {
    error = "granice zakresu logarytmicznego musza byc wieksze od 0";
    return false;
  }
  fill_range(list, first, last, count);
  return true;
}

}  // namespace

bool parse_number(std::string_view text, double& value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc() && result.ptr == text.data() + text.size() && std::isfinite(value);
}

bool parse_value_list(std::string_view text, value_list& list, std::string& error) {
  list = value_list{};
  const std::vector<std::string_view> ranges = split(text, ':');
  if (ranges.size() == 4 && ranges[0] == "log") {
    list.logarithmic = true;
    return parse_range(ranges, list, error);
  }
  if (ranges.size() == 3) return parse_range(ranges, list, error);
  if (ranges.size() != 1) {
    error = "zakres to poczatek:koniec:ilosc albo log:poczatek:koniec:ilosc";
    return false;
  }
  for (std::string_view item : split(text, ',')) {
    double value = 0;
    if (!parse_number(item, value)) {
      error = "wartosc \"" + std::string(item) + "\" nie jest liczba";
      return false;
    }
    list.values.push_back(value);
  }
  return true;
}

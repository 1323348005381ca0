#include "sweep_plan.h"

#include <cstdio>

namespace {

// Every run of a plan is held in memory with its three files (about 2 kB).
constexpr std::size_t max_runs = 100000;

// Checks that every value fits the key and makes the token texts once.
bool value_tokens(const sweep_axis& axis, std::vector<std::string>& tokens, std::string& error) {
  tokens.clear();
  for (double value : axis.list.values) {
    std::string text;
    if (!format_token(value, axis.key.kind, text)) {
      std::string shown;
      format_token(value, token_kind::real, shown);
      error = "klucz " + axis.key.name + " przyjmuje tylko liczby calkowite, a nie " + shown;
      return false;
    }
    tokens.push_back(std::move(text));
  }
  return true;
}

// Index of each axis' value for run number run (mixed-radix count, last axis fastest).
std::vector<std::size_t> combination(const std::vector<sweep_axis>& axes, std::size_t run, bool zip) {
  std::vector<std::size_t> picks(axes.size());
  for (std::size_t a = axes.size(); a-- > 0;) {
    const std::size_t size = axes[a].list.values.size();
    picks[a] = zip ? run : run % size;
    if (!zip) run /= size;
  }
  return picks;
}

bool count_runs(const std::vector<sweep_axis>& axes, bool zip, std::size_t& count, std::string& error) {
  count = 1;
  for (const sweep_axis& axis : axes) {
    const std::size_t size = axis.list.values.size();
    if (zip && &axis != &axes.front() && size != count) {
      error = "przy --zip listy musza miec rowna dlugosc (" + axis.key.name + " ma " + std::to_string(size) +
              " wartosci, " + axes.front().key.name + " ma " + std::to_string(count) + ")";
      return false;
    }
    if (zip) count = size;
    else if (count > max_runs / size) count = max_runs + 1;
    else count *= size;
  }
  if (count > max_runs) {
    error = "za duzo przebiegow (najwiecej " + std::to_string(max_runs) + ")";
    return false;
  }
  return true;
}

}  // namespace

bool parse_axes(const std::vector<std::string>& arguments, std::vector<sweep_axis>& axes, std::string& error) {
  axes.clear();
  for (const std::string& argument : arguments) {
    const std::size_t equals = argument.find('=');
    if (equals == std::string::npos) {
      error = "oczekiwano KLUCZ=WARTOSCI, a jest " + argument;
      return false;
    }
    sweep_axis axis;
    if (!find_parameter_key(std::string_view(argument).substr(0, equals), axis.key, error)) return false;
    for (const sweep_axis& other : axes) {
      if (other.key.file == axis.key.file && other.key.token == axis.key.token) {
        error = "klucz " + axis.key.name + " podany dwa razy";
        return false;
      }
    }
    if (!parse_value_list(std::string_view(argument).substr(equals + 1), axis.list, error)) {
      error = "klucz " + axis.key.name + ": " + error;
      return false;
    }
    axes.push_back(std::move(axis));
  }
  if (axes.empty()) error = "brak kluczy do przegladania (KLUCZ=WARTOSCI)";
  return !axes.empty();
}

bool plan_runs(const parameter_set& base, std::vector<sweep_axis> axes, bool zip, sweep_plan& plan,
               std::string& error) {
  std::vector<std::vector<std::string>> tokens(axes.size());
  for (std::size_t a = 0; a < axes.size(); ++a) {
    const parameter_key& key = axes[a].key;
    if (key.token >= base[static_cast<int>(key.file)].token_count()) {
      error = std::string("w pliku ") + set_file_name(key.file) + " brak wartosci klucza " + key.name;
      return false;
    }
    if (!value_tokens(axes[a], tokens[a], error)) return false;
  }
  std::size_t count = 0;
  if (!count_runs(axes, zip, count, error)) return false;

  plan.axes = std::move(axes);
  plan.runs.clear();
  plan.runs.reserve(count);
  for (std::size_t run = 0; run < count; ++run) {
    planned_run planned{run_folder_name(run, count), {}, base};
    const std::vector<std::size_t> picks = combination(plan.axes, run, zip);
    for (std::size_t a = 0; a < plan.axes.size(); ++a) {
      const parameter_key& key = plan.axes[a].key;
      planned.files[static_cast<int>(key.file)].replace_token(key.token, tokens[a][picks[a]]);
      planned.values.push_back(tokens[a][picks[a]]);
    }
    plan.runs.push_back(std::move(planned));
  }
  return true;
}

std::string run_folder_name(std::size_t index, std::size_t run_count) {
  int width = 4;
  for (std::size_t limit = 10000; run_count > limit - 1 && width < 19; limit *= 10) ++width;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "run-%0*zu", width, index + 1);
  return buffer;
}

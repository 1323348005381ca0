#include "gather_command.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "messages.h"
#include "number_text.h"
#include "process.h"
#include "run_state.h"
#include "run_summary.h"
#include "summary_plot.h"
#include "sweep_table.h"

namespace fs = std::filesystem;

namespace {

constexpr std::array<const char*, 5> quantity_names = {"norm", "absorbed", "overlap", "x", "max_abs_x"};

int fail(const std::string& text) {
  error_line("Blad: " + text + "\n\n");
  return 1;
}

bool parse_arguments(const std::vector<std::string>& arguments, fs::path& out, int& y_column, std::string& error) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "--y" && i + 1 < arguments.size()) {
      const std::string& name = arguments[++i];
      y_column = -1;
      for (std::size_t q = 0; q < quantity_names.size(); ++q)
        if (name == quantity_names[q]) y_column = static_cast<int>(q);
      if (y_column < 0) {
        error = "nieznana kolumna --y " + name + " (norm, absorbed, overlap, x, max_abs_x)";
        return false;
      }
    } else if (out.empty() && arguments[i].rfind("-", 0) != 0) {
      out = arguments[i];
    } else {
      error = "nieznany argument " + arguments[i] + " (skladnia: sweep gather WYNIKI [--y KOLUMNA])";
      return false;
    }
  }
  if (out.empty()) error = "skladnia: sweep gather WYNIKI [--y KOLUMNA]";
  return !out.empty();
}

std::string run_label(const sweep_table& table, std::size_t run, std::size_t first_key) {
  std::string label;
  for (std::size_t k = first_key; k < table.keys.size(); ++k)
    label += (k > first_key ? ", " : "") + table.keys[k] + "=" + table.values[run][k];
  return label;
}

// One line of summary.dat; a run without results has nan quantities.
void append_row(std::string& text, const std::vector<std::string>& values, const double (&quantities)[5],
                int status) {
  for (const std::string& value : values) text += value + "  ";
  for (double quantity : quantities) {
    if (std::isnan(quantity)) text += "nan";
    else append_number(text, quantity);
    text += "  ";
  }
  text += std::to_string(status) + "\n";
}

// Runs gnuplot on OUT/summary.gp; the picture appears under its name only when drawn.
bool draw_plot(const fs::path& out, const sweep_table& table, std::vector<plot_point> points, int y_column) {
  const fs::path png = out / "summary.png", drawing = out / "summary.png.tmp";
  write_text_file(out / "summary.gp", plot_script(std::move(points), table.keys.front(), quantity_names[y_column],
                                                  table.logarithmic.front(), drawing.string()));
  if (!program_available("gnuplot")) return false;
  if (run_program({"gnuplot", (out / "summary.gp").string()}) != 0 || !fs::is_regular_file(drawing)) {
    std::error_code ignored;
    fs::remove(drawing, ignored);
    return false;
  }
  fs::rename(drawing, png);
  return true;
}

}  // namespace

int gather_command(const std::vector<std::string>& arguments) {
  fs::path out;
  int y_column = 1;
  sweep_table table;
  std::string error;
  if (!parse_arguments(arguments, out, y_column, error) || !read_sweep_table(out, table, error)) return fail(error);
  if (table.keys.empty()) return fail("brak kluczy w " + (out / "runs.tsv").string());

  std::string summary = "#";
  for (const std::string& key : table.keys) summary += " " + key + " ";
  for (const char* name : quantity_names) summary += std::string(" ") + name + " ";
  summary += " status\n";
  std::vector<plot_point> points;
  std::size_t gathered = 0, missing = 0;
  for (std::size_t r = 0; r < table.folders.size(); ++r) {
    const fs::path folder = out / table.folders[r];
    int status = 0;
    const run_state state = read_run_state(folder, &status);
    run_summary result;
    std::string why = "niezakonczony";
    if (state == run_state::failed) why = "nieudany (kod wyjscia " + std::to_string(status) + ")";
    if (state == run_state::finished &&
        read_run_summary(folder / "1d-timed.dat", grid_time_steps(folder / "1d-grid.par") + 1, result, why)) {
      const double quantities[5] = {result.norm, 1 - result.norm, result.overlap, result.mean_x, result.max_abs_x};
      append_row(summary, table.values[r], quantities, 0);
      double x = 0;
      std::sscanf(table.values[r].front().c_str(), "%lf", &x);
      points.push_back({x, quantities[y_column], run_label(table, r, 1)});
      ++gathered;
      continue;
    }
    ++missing;
    error_stream() << "\t" << table.folders[r] << " (" << run_label(table, r, 0) << "): " << why << "\n";
    if (state == run_state::failed) {
      const double none[5] = {NAN, NAN, NAN, NAN, NAN};
      append_row(summary, table.values[r], none, status);
    }
  }
  try {
    write_text_file(out / "summary.dat", summary);
    if (!draw_plot(out, table, std::move(points), y_column))
      return fail("gnuplot nie narysowal " + (out / "summary.png").string() + " (pakiet gnuplot-nox)");
  } catch (const std::exception& problem) {
    return fail(problem.what());
  }
  message_stream() << "Zebrano " << gathered << " z " << table.folders.size() << " przebiegow: "
                   << (out / "summary.dat").string() << ", " << (out / "summary.png").string() << "\n";
  if (missing == 0) return 0;
  error_line("Blad: " + std::to_string(missing) + " przebiegow bez wynikow (lista powyzej)\n\n");
  return 1;
}

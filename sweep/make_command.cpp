#include "make_command.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

#include "messages.h"
#include "set_checker.h"
#include "sweep_plan.h"
#include "sweep_table.h"

namespace fs = std::filesystem;

namespace {

struct make_request {
  fs::path base, out;
  std::vector<std::string> axes;
  bool zip = false, force = false;
};

int fail(const std::string& text) {
  error_line("Blad: " + text + "\n\n");
  return 1;
}

bool parse_request(const std::vector<std::string>& arguments, make_request& request, std::string& error) {
  std::vector<std::string> positional;
  for (const std::string& argument : arguments) {
    if (argument == "--zip") request.zip = true;
    else if (argument == "--force") request.force = true;
    else if (argument.rfind("--", 0) == 0) {
      error = "nieznana opcja " + argument;
      return false;
    } else positional.push_back(argument);
  }
  if (positional.size() < 3) {
    error = "skladnia: sweep make BAZA WYNIKI KLUCZ=WARTOSCI... [--zip] [--force]";
    return false;
  }
  request.base = positional[0];
  request.out = positional[1];
  request.axes.assign(positional.begin() + 2, positional.end());
  return true;
}

bool read_base(const fs::path& base, parameter_set& set, std::string& error) {
  for (int f = 0; f < parameter_set_file_count; ++f) {
    const fs::path path = base / set_file_name(static_cast<parameter_set_file>(f));
    std::ifstream file(path, std::ios::binary);
    if (!file) {
      error = "brak pliku parametrow " + path.string();
      return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    set[f] = parameter_text(text.str());
  }
  return true;
}

// OUT may be replaced only when that cannot take the base set with it.
bool check_out_folder(const make_request& request, std::string& error) {
  const fs::path out = fs::weakly_canonical(fs::absolute(request.out));
  const fs::path base = fs::weakly_canonical(fs::absolute(request.base));
  const auto [end, unused] = std::mismatch(out.begin(), out.end(), base.begin(), base.end());
  if (end == out.end()) {
    error = "katalog wynikow " + request.out.string() + " zawiera katalog bazowy " + request.base.string();
    return false;
  }
  if (fs::exists(request.out) && !request.force) {
    error = "katalog " + request.out.string() + " juz istnieje (--force go zastepuje)";
    return false;
  }
  return true;
}

std::string values_text(const sweep_plan& plan, const planned_run& run) {
  std::string text;
  for (std::size_t a = 0; a < plan.axes.size(); ++a)
    text += (a ? ", " : "") + plan.axes[a].key.name + "=" + run.values[a];
  return text;
}

// Every set goes through the core's check; all rejections are reported.
bool check_runs(const make_request& request, const sweep_plan& plan) {
  set_checker checker;
  std::size_t rejected = 0;
  for (const planned_run& run : plan.runs) {
    std::string message;
    const std::string shown = (request.out / run.folder).string();
    if (checker.accepts(run.files, request.base, companion_files(run.files, request.base), shown, message))
      continue;
    if (++rejected <= 20)
      error_stream() << "\n\t*** Blad: rdzen odrzucil zestaw " << shown << " (" << values_text(plan, run) << "):"
                     << message;
  }
  if (rejected > 20) error_stream() << "\n\t*** ... oraz " << rejected - 20 << " innych zestawow\n";
  if (rejected == 0) return true;
  error_line("Blad: odrzucono " + std::to_string(rejected) + " z " + std::to_string(plan.runs.size()) +
             " zestawow; nic nie zapisano\n\n");
  return false;
}

void write_out(const make_request& request, const sweep_plan& plan) {
  fs::create_directories(request.out);
  sweep_table table;
  for (const sweep_axis& axis : plan.axes) {
    table.keys.push_back(axis.key.name);
    table.logarithmic.push_back(axis.list.logarithmic);
  }
  for (const planned_run& run : plan.runs) {
    const fs::path folder = request.out / run.folder;
    fs::create_directory(folder);
    for (int f = 0; f < parameter_set_file_count; ++f)
      write_text_file(folder / set_file_name(static_cast<parameter_set_file>(f)), run.files[f].text());
    copy_companions(request.base, companion_files(run.files, request.base), folder);
    table.folders.push_back(run.folder);
    table.values.push_back(run.values);
  }
  write_sweep_table(request.out, table);
}

}  // namespace

int make_command(const std::vector<std::string>& arguments) {
  make_request request;
  parameter_set base;
  std::vector<sweep_axis> axes;
  sweep_plan plan;
  std::string error;
  if (!parse_request(arguments, request, error) || !read_base(request.base, base, error) ||
      !parse_axes(request.axes, axes, error) || !plan_runs(base, std::move(axes), request.zip, plan, error) ||
      !check_out_folder(request, error))
    return fail(error);
  try {
    if (!check_runs(request, plan)) return 1;
  } catch (const std::exception& problem) {
    return fail(problem.what());
  }
  try {
    if (request.force) fs::remove_all(request.out);
    write_out(request, plan);
  } catch (const std::exception& problem) {
    // A half-made OUT is removed: what is there is either the whole sweep or nothing.
    std::error_code ignored;
    fs::remove_all(request.out, ignored);
    return fail(problem.what());
  }
  message_stream() << "Utworzono " << plan.runs.size() << " przebiegow w " << request.out.string() << "\n";
  return 0;
}

#include "slurm_command.h"

#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "messages.h"
#include "process.h"
#include "run_state.h"
#include "value_list.h"

namespace fs = std::filesystem;

namespace {

struct slurm_request {
  fs::path out;
  std::string partition, time;
  long max_parallel = 0, per_task = 0;
  bool submit = false;
};

int fail(const std::string& text) {
  error_line("Blad: " + text + "\n\n");
  return 1;
}

bool parse_count(const std::string& option, const std::string& text, long& count, std::string& error) {
  double value = 0;
  if (!parse_number(text, value) || value < 1 || value > 1e9 || value != static_cast<long>(value)) {
    error = option + " wymaga liczby calkowitej co najmniej 1, a nie " + text;
    return false;
  }
  count = static_cast<long>(value);
  return true;
}

bool parse_request(const std::vector<std::string>& arguments, slurm_request& request, std::string& error) {
  const std::string usage =
      "skladnia: sweep slurm WYNIKI [--partition P] [--time T] [--max-parallel M] [--runs-per-task K] [--submit]";
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& option = arguments[i];
    const bool has_value = i + 1 < arguments.size();
    if (option == "--submit") request.submit = true;
    else if (option == "--partition" && has_value) request.partition = arguments[++i];
    else if (option == "--time" && has_value) request.time = arguments[++i];
    else if (option == "--max-parallel" && has_value) {
      if (!parse_count(option, arguments[++i], request.max_parallel, error)) return false;
    } else if (option == "--runs-per-task" && has_value) {
      if (!parse_count(option, arguments[++i], request.per_task, error)) return false;
    } else if (request.out.empty() && option.rfind("-", 0) != 0) request.out = option;
    else {
      error = "nieznany argument " + option + " (" + usage + ")";
      return false;
    }
  }
  if (request.out.empty()) {
    error = usage;
    return false;
  }
  return true;
}

// A line break would end an #SBATCH line and put the rest of the value into
// the script as a command.
bool fits_on_a_line(const std::string& value, std::string& error) {
  if (value.find_first_of("\n\r") == std::string::npos) return true;
  error = "wartosc z koncem linii nie moze trafic do skryptu: " + value;
  return false;
}

// A value on an #SBATCH line. sbatch ends a value at a blank or a '#'
// unless it stands in double quotes, where a backslash escapes the next
// character: a folder name with blanks stays one value.
std::string directive_value(const std::string& value) {
  std::string quoted = "\"";
  for (const char c : value) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

long config_value(const std::string& config, const std::string& name) {
  std::istringstream lines(config);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string key, equals;
    long value = 0;
    if (words >> key >> equals >> value && key == name && equals == "=") return value;
  }
  return 0;
}

}  // namespace

long array_task_cap(const std::string& config) {
  long cap = config_value(config, "MaxArraySize");
  if (cap <= 0) cap = 1001;
  const long jobs = config_value(config, "MaxJobCount");
  return jobs > 0 && jobs < cap ? jobs : cap;
}

long runs_per_task(long run_count, long task_cap, long requested) {
  if (requested > 0) return (run_count + requested - 1) / requested <= task_cap ? requested : 0;
  return (run_count + task_cap - 1) / task_cap;
}

std::string batch_script(const std::string& out, const std::vector<std::string>& runs, long per_task,
                         const std::string& partition, const std::string& time, long max_parallel) {
  const long tasks = (static_cast<long>(runs.size()) + per_task - 1) / per_task;
  std::string text = "#!/bin/bash\n#SBATCH --job-name=sweep\n";
  text += "#SBATCH --array=0-" + std::to_string(tasks - 1);
  if (max_parallel > 0) {
    text += '%';
    text += std::to_string(max_parallel);
  }
  text += "\n#SBATCH --output=" + directive_value(out + "/slurm-%A_%a.out") +
          "\n#SBATCH --chdir=" + directive_value(out) + "\n";
  if (!partition.empty()) text += "#SBATCH --partition=" + directive_value(partition) + "\n";
  if (!time.empty()) text += "#SBATCH --time=" + directive_value(time) + "\n";
  text += "# Each array task runs " + std::to_string(per_task) +
          " run(s) of the list one after another; a run's messages go to\n"
          "# mirelo.log in its folder and its exit status to status there.\n"
          "runs_per_task=" + std::to_string(per_task) + "\nruns=(\n";
  for (const std::string& run : runs) text += shell_quote(run) + "\n";
  text += ")\n"
          "first=$((SLURM_ARRAY_TASK_ID * runs_per_task))\n"
          "result=0\n"
          "for ((i = first; i < first + runs_per_task && i < ${#runs[@]}; i++)); do\n"
          "  sh " + shell_quote(out + "/run-one.sh") + " " + shell_quote(out) + "/\"${runs[i]}\" || result=1\n"
          "done\n"
          "exit $result\n";
  return text;
}

int slurm_command(const std::vector<std::string>& arguments) {
  slurm_request request;
  sweep_table table;
  std::string error;
  if (!parse_request(arguments, request, error) || !read_sweep_table(request.out, table, error)) return fail(error);
  const std::string mirelo = find_mirelo();
  if (mirelo.empty()) return fail("nie znaleziono programu mirelo (PATH albo zmienna MIRELO)");
  const fs::path out = fs::absolute(request.out);
  if (!fits_on_a_line(out.string(), error) || !fits_on_a_line(request.partition, error) ||
      !fits_on_a_line(request.time, error))
    return fail(error);
  const std::vector<std::string> pending = pending_runs(out, table);
  if (pending.empty()) {
    message_stream() << "Wszystkie przebiegi sa juz wykonane; nie ma czego wysylac.\n";
    return 0;
  }
  std::string config;
  if (!program_available("scontrol") || run_program({"scontrol", "show", "config"}, &config) != 0) config.clear();
  const long cap = array_task_cap(config);
  const long per_task = runs_per_task(static_cast<long>(pending.size()), cap, request.per_task);
  if (per_task == 0)
    return fail("--runs-per-task " + std::to_string(request.per_task) + " daje wiecej zadan niz limit tablicy (" +
                std::to_string(cap) + ")");
  const fs::path script = out / "sweep.sbatch";
  try {
    write_run_script(out, mirelo);
    write_text_file(script, batch_script(out.string(), pending, per_task, request.partition, request.time,
                                         request.max_parallel));
  } catch (const std::exception& problem) {
    return fail(problem.what());
  }
  const long tasks = (static_cast<long>(pending.size()) + per_task - 1) / per_task;
  message_stream() << "Zapisano " << script.string() << ": " << pending.size() << " przebiegow w " << tasks
                   << " zadaniach tablicy (po " << per_task << ")\n"
                   << "sbatch " << shell_quote(script.string()) << "\n";
  if (!request.submit) return 0;
  std::string answer;
  if (run_program({"sbatch", "--parsable", script.string()}, &answer) != 0)
    return fail("sbatch nie przyjal zadania");
  message_stream() << "Numer zadania: " << answer.substr(0, answer.find_first_of(";\n")) << "\n";
  return 0;
}

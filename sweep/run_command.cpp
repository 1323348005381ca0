#include "run_command.h"

#include <unistd.h>

#include <filesystem>
#include <stdexcept>

#include "messages.h"
#include "process.h"
#include "run_state.h"
#include "value_list.h"

namespace fs = std::filesystem;

namespace {

int fail(const std::string& text) {
  error_line("Blad: " + text + "\n\n");
  return 1;
}

bool parse_arguments(const std::vector<std::string>& arguments, fs::path& out, std::string& jobs,
                     std::string& error) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "-j" || arguments[i] == "--jobs") {
      double count = 0;
      if (i + 1 == arguments.size() || !parse_number(arguments[i + 1], count) || count < 1 ||
          count != static_cast<long>(count)) {
        error = "-j wymaga liczby zadan (calkowitej, co najmniej 1)";
        return false;
      }
      jobs = arguments[++i];
    } else if (out.empty() && arguments[i].rfind("-", 0) != 0) {
      out = arguments[i];
    } else {
      error = "nieznany argument " + arguments[i] + " (skladnia: sweep run WYNIKI [-j N])";
      return false;
    }
  }
  if (out.empty()) error = "skladnia: sweep run WYNIKI [-j N]";
  return !out.empty();
}

}  // namespace

int run_command(const std::vector<std::string>& arguments) {
  fs::path out;
  std::string jobs = "100%", error;
  sweep_table table;
  if (!parse_arguments(arguments, out, jobs, error) || !read_sweep_table(out, table, error)) return fail(error);
  const std::string mirelo = find_mirelo();
  if (mirelo.empty()) return fail("nie znaleziono programu mirelo (PATH albo zmienna MIRELO)");
  if (!program_available("parallel")) return fail("brak programu parallel (pakiet Debiana parallel)");

  out = fs::absolute(out);
  const std::vector<std::string> pending = pending_runs(out, table);
  const std::size_t skipped = table.folders.size() - pending.size();
  std::size_t done = 0, failed = 0;
  if (!pending.empty()) {
    try {
      const fs::path script = write_run_script(out, mirelo);
      std::string list;
      for (const std::string& folder : pending) list += (out / folder).string() + "\n";
      write_text_file(out / "pending.txt", list);
      std::vector<std::string> command = {"parallel", "--will-cite", "--jobs", jobs, "--joblog",
                                          (out / "joblog.tsv").string(), "-a", (out / "pending.txt").string()};
      if (isatty(STDERR_FILENO)) command.push_back("--bar");
      command.insert(command.end(), {"sh", shell_quote(script.string()), "{}"});
      if (run_program(command) == 127) return fail("nie mozna uruchomic programu parallel");
    } catch (const std::exception& problem) {
      return fail(problem.what());
    }
    for (const std::string& folder : pending)
      ++(read_run_state(out / folder) == run_state::finished ? done : failed);
  }
  message_stream() << "Przebiegi: wykonane " << done << ", nieudane " << failed << ", pominiete (juz wykonane) "
                   << skipped << "\n";
  if (failed > 0) {
    error_line("Blad: " + std::to_string(failed) + " przebiegow zakonczylo sie bledem (zob. mirelo.log w ich katalogach)\n\n");
    return 1;
  }
  return 0;
}

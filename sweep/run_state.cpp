#include "run_state.h"

#include <fstream>

#include "process.h"

namespace fs = std::filesystem;

run_state read_run_state(const fs::path& folder, int* exit_status) {
  std::ifstream file(folder / "status");
  int status = 0;
  if (!(file >> status)) return run_state::unfinished;
  if (exit_status) *exit_status = status;
  return status == 0 ? run_state::finished : run_state::failed;
}

fs::path write_run_script(const fs::path& out, const std::string& mirelo) {
  const fs::path path = fs::absolute(out) / "run-one.sh";
  std::string script =
      "#!/bin/sh\n"
      "# Runs mirelo in the run folder given as the argument; its messages go to\n"
      "# mirelo.log there and its exit status, written last, to status.\n"
      "cd \"$1\" || exit 1\n"
      "rm -f status\n";
  script += shell_quote(mirelo);
  script += " -s2 > mirelo.log 2>&1\n"
            "code=$?\n"
            "echo \"$code\" > status.tmp && mv status.tmp status\n"
            "exit \"$code\"\n";
  write_text_file(path, script);
  fs::permissions(path, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                  fs::perm_options::add);
  return path;
}

std::vector<std::string> pending_runs(const fs::path& out, const sweep_table& table) {
  std::vector<std::string> pending;
  for (const std::string& folder : table.folders)
    if (read_run_state(out / folder) != run_state::finished) pending.push_back(folder);
  return pending;
}

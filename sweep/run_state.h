// The state of one run folder, shared by sweep run, sweep slurm and sweep
// gather: run-one.sh runs mirelo in the folder and leaves its exit status in
// the folder's file "status".
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "sweep_table.h"

enum class run_state { finished, failed, unfinished };

// finished: status 0; failed: another status; unfinished: no status yet.
run_state read_run_state(const std::filesystem::path& folder, int* exit_status = nullptr);

// Writes OUT/run-one.sh, which runs mirelo -s2 in the folder given as its
// argument, writes mirelo.log there and the status last. Returns its path.
std::filesystem::path write_run_script(const std::filesystem::path& out, const std::string& mirelo);

// The run folders of the table that have not finished (status other than 0).
std::vector<std::string> pending_runs(const std::filesystem::path& out, const sweep_table& table);

// sweep slurm OUT [--partition P] [--time T] [--max-parallel M]
//                 [--runs-per-task K] [--submit]
#pragma once

#include <string>
#include <vector>

// Writes OUT/sweep.sbatch, a job array over the unfinished runs, prints the
// sbatch command and, with --submit, submits it and prints the job id.
int slurm_command(const std::vector<std::string>& arguments);

// Runs per array task: K when given (0 = choose), else the fewest that keep
// the task count within the cap. Returns 0 when a given K needs more tasks
// than the cap allows.
long runs_per_task(long run_count, long task_cap, long requested);

// The cluster's cap on array tasks, read from `scontrol show config` output:
// the smaller of MaxArraySize and MaxJobCount, 1001 when neither is there.
long array_task_cap(const std::string& config);

// The batch script for the given run folders of OUT (absolute).
std::string batch_script(const std::string& out, const std::vector<std::string>& runs, long per_task,
                         const std::string& partition, const std::string& time, long max_parallel);

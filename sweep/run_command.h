// sweep run OUT [-j N]
#pragma once

#include <string>
#include <vector>

// Runs every unfinished run of OUT with GNU parallel; returns 1 when a run
// failed or the runs could not be started.
int run_command(const std::vector<std::string>& arguments);

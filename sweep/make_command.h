// sweep make BASE OUT KEY=VALUES... [--zip] [--force]
#pragma once

#include <string>
#include <vector>

// Plans the runs, checks every set with the core and only then writes OUT.
// Returns the exit code; errors have been reported on the error stream.
int make_command(const std::vector<std::string>& arguments);

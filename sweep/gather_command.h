// sweep gather OUT [--y COLUMN]
#pragma once

#include <string>
#include <vector>

// Writes OUT/summary.dat from every finished run and OUT/summary.png with
// gnuplot; unfinished and failed runs are listed on the error stream and make
// the exit code 1.
int gather_command(const std::vector<std::string>& arguments);

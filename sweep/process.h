// Starting the real tools a sweep relies on (mirelo, GNU parallel, sbatch,
// scontrol, gnuplot) and finding mirelo.
#pragma once

#include <string>
#include <vector>

// Runs the program (looked up in PATH unless it holds a slash) with the
// arguments and waits for it. Returns its exit status, 128 + the signal when
// a signal ended it, or 127 when it could not be started. When output is
// given, the program's standard output is collected there instead.
int run_program(const std::vector<std::string>& command, std::string* output = nullptr);

// True when the program can be found in PATH (or exists, given with a slash).
bool program_available(const std::string& name);

// The mirelo the runs use, as an absolute path: $MIRELO when set, else the
// one beside this program or in the build tree beside it, else the one in
// PATH. Empty when there is none.
std::string find_mirelo();

// Quotes text for a POSIX shell.
std::string shell_quote(const std::string& text);

// The whole ovint program behind its process entry: the report goes to
// `out`, error lines to `err`, the bell to standard output. Returns the exit
// code: 0 after a completed run or the help, 1 after any error.
#pragma once

#include <ostream>

int ovint_main(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

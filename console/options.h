// mirelo's command line: "mirelo [-h] [-t] [-sn] [-d] [-pnnn]".
#pragma once

#include <string>

struct mirelo_options {
  int requested_level = -2;  // -2: no level option given
  int test_flag = 0;
  int help_flag = 0;
  bool version_only = false;  // -v met: nothing but the banner
  std::string names_file;     // from -p, at most 999 characters
};

// Examines the arguments after the program name. An argument is an option
// only when it starts with '-'; its second character alone tells which.
// Scanning stops at -v.
mirelo_options scan_options(int argc, const char* const* argv);

// ovint's command line: option words (starting with '-') anywhere, the other
// words being the input names and the result name in their order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct CommandLine {
  std::string program_name;          // for the help texts
  std::vector<std::string> options;  // option words, in order
  std::vector<std::string> names;    // all other words, in order
};

// Any number of words is accepted; words beyond the three names are ignored
// later, never stored in fixed room.
CommandLine split_command_line(int argc, const char* const* argv);

// The invocation word in lower case without its directory part ('/' or '\').
std::string program_name_from(std::string_view invocation);

enum class option_verdict { run, help, bad_parameter };

// Option state after examining the options in order: help wins when it comes
// before a bad option, and the first bad option stops the examination.
struct OptionState {
  int loop_count = 0;           // 0, or 11 with "-l"
  bool structure_only = false;  // "-f"
  option_verdict verdict = option_verdict::run;
  std::string bad_word;         // the whole word of a bad option
};

// Only the second character of an option word counts ("-help" is "-h").
OptionState examine_options(const std::vector<std::string>& options);

// The names of one run with the defaults filled in: one input name compares
// the file with itself, and without a third name the results go to "ovint.dat".
struct ComparisonFiles {
  int name_count = 0;  // input names given (at most 2 count)
  std::string first, second, result;
};

// `names` must hold at least one word.
ComparisonFiles comparison_files(const std::vector<std::string>& names);

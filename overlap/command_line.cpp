#include "command_line.h"

#include <algorithm>
#include <cctype>

CommandLine split_command_line(int argc, const char* const* argv) {
  CommandLine line;
  // A process started without any word still gets a name for its help.
  line.program_name = program_name_from(argc > 0 && argv[0] ? argv[0] : "ovint");
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i] ? argv[i] : "";
    (word.starts_with('-') ? line.options : line.names).push_back(word);
  }
  return line;
}

std::string program_name_from(std::string_view invocation) {
  const std::size_t separator = invocation.find_last_of("/\\");
  if (separator != std::string_view::npos) invocation.remove_prefix(separator + 1);
  std::string name(invocation);
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return name;
}

OptionState examine_options(const std::vector<std::string>& options) {
  OptionState state;
  for (const std::string& word : options) {
    const char letter = word.size() > 1 ? word[1] : '\0';
    if (letter == 'h' || letter == '?') {
      state.verdict = option_verdict::help;
      return state;
    }
    if (letter == 'l') {
      state.loop_count = 11;
    } else if (letter == 'f') {
      state.structure_only = true;
    } else {
      state.verdict = option_verdict::bad_parameter;
      state.bad_word = word;
      return state;
    }
  }
  return state;
}

ComparisonFiles comparison_files(const std::vector<std::string>& names) {
  ComparisonFiles files;
  files.name_count = static_cast<int>(std::min<std::size_t>(names.size(), 2));
  files.first = names.at(0);
  files.second = names.size() > 1 ? names[1] : names[0];
  files.result = names.size() > 2 ? names[2] : "ovint.dat";
  return files;
}

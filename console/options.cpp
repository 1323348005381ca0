#include "options.h"

#include <cctype>

#include "file_names.h"

namespace {

// The decimal number at the start of text, up to the first non-digit;
// saturates rather than overflowing on absurdly long numbers.
int leading_number(const char* text) {
  long long value = 0;
  for (; std::isdigit(static_cast<unsigned char>(*text)); ++text) {
    value = value * 10 + (*text - '0');
    if (value > 2147483647) return 2147483647;
  }
  return static_cast<int>(value);
}

}  // namespace

mirelo_options scan_options(int argc, const char* const* argv) {
  mirelo_options options;
  for (int i = 1; i < argc; ++i) {
    const char* argument = argv[i];
    if (argument[0] != '-') continue;
    switch (argument[1]) {
      case 'h':
      case '?':
        options.help_flag = 1;
        break;
      case 's':
        if (std::isdigit(static_cast<unsigned char>(argument[2]))) options.requested_level = leading_number(argument + 2);
        break;
      case 'd':
        options.requested_level = -1;
        break;
      case 't':
        options.test_flag = 1;
        break;
      case 'v':
        options.version_only = true;
        return options;
      case 'p':
        options.names_file = fit_file_name(argument + 2);
        break;
      default:
        break;
    }
  }
  return options;
}

// ovint's banner and its two help texts.
#pragma once

#include <ostream>
#include <string_view>

// Title and version, with an empty line before and after.
void write_banner(std::ostream& out);
// Usage line and the pointer to the full help, printed after a command-line error.
void write_short_help(std::ostream& out, std::string_view program_name);
// The "-h" page.
void write_full_help(std::ostream& out, std::string_view program_name);

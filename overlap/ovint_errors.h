// ovint's error lines: the text on the error stream, then the bell on
// standard output.
#pragma once

#include <ostream>
#include <string_view>

// Writes BEL to standard output through the C formatted output.
void ring_bell();
// "\n\t*** " text "\n\n\n", then the bell.
void report_error(std::ostream& err, std::string_view text);
// "\n\t*** " text " (" name ")\n\n\n", then the bell.
void report_file_error(std::ostream& err, std::string_view text, std::string_view name);

// mirelo's banner and help page.
#pragma once

#include <ostream>

void print_banner(std::ostream& out);
// The help page; it names the current parameter file names.
void print_help_page(std::ostream& out);

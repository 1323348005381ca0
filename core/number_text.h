// Numbers for the result files, appended to a text buffer exactly as the
// standard stream writes them in its default general notation (the same
// digits as "%.*g"), without the stream's per-number overhead: the snapshot
// files carry thousands of numbers per time step.
#pragma once

#include <string>

void append_number(std::string& text, double value, int significant_digits = 6);

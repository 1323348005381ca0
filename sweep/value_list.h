// The values a sweep gives one key: an explicit list "0.05,0.1,0.2", a
// linear range "first:last:count" or a logarithmic one "log:first:last:count".
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct value_list {
  std::vector<double> values;
  bool logarithmic = false;  // from a "log:" range: plotted on a log axis
};

// Parses the text. On a malformed list, a count below 1 or a logarithmic bound
// that is not above 0 it returns false and puts a one-line reason into error.
bool parse_value_list(std::string_view text, value_list& list, std::string& error);

// Reads one whole number of text as a double; false on anything else
// (trailing characters, an empty text, infinities and NaN included).
bool parse_number(std::string_view text, double& value);

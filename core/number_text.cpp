#include "number_text.h"

#include <charconv>

void append_number(std::string& text, double value, int significant_digits) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                                    significant_digits);
  text.append(buffer, result.ptr);
}

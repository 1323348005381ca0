#include "parameter_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace {

// The characters the stream extraction skips between tokens.
bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

parameter_text::parameter_text(std::string text) : text_(std::move(text)) { split(); }

void parameter_text::split() {
  spans_.clear();
  std::size_t at = 0;
  while (at < text_.size()) {
    while (at < text_.size() && is_blank(text_[at])) ++at;
    if (at == text_.size()) break;
    const std::size_t begin = at;
    while (at < text_.size() && !is_blank(text_[at])) ++at;
    spans_.push_back({begin, at - begin});
  }
}

std::string_view parameter_text::token(int index) const {
  const span& s = spans_.at(static_cast<std::size_t>(index));
  return std::string_view(text_).substr(s.begin, s.length);
}

void parameter_text::replace_token(int index, std::string_view replacement) {
  const span& s = spans_.at(static_cast<std::size_t>(index));
  text_.replace(s.begin, s.length, replacement);
  split();
}

bool format_token(double value, token_kind kind, std::string& text) {
  char buffer[64];
  if (kind == token_kind::real) {
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.assign(buffer, result.ptr);
    return true;
  }
  if (!(value == std::floor(value)) || value < INT32_MIN || value > INT32_MAX) return false;
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::int64_t>(value));
  text.assign(buffer, result.ptr);
  return true;
}

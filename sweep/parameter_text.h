// A parameter file held as text and edited token by token: everything
// between the tokens (line breaks, alignment, the notes after the last token)
// stays as it was.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "parameter_keys.h"

class parameter_text {
 public:
  explicit parameter_text(std::string text = {});

  // Number of whitespace-separated tokens, the way the readers split them.
  int token_count() const { return static_cast<int>(spans_.size()); }
  std::string_view token(int index) const;
  // Replaces the token's characters; the text around it is kept.
  void replace_token(int index, std::string_view replacement);

  const std::string& text() const { return text_; }

 private:
  struct span {
    std::size_t begin, length;
  };
  void split();

  std::string text_;
  std::vector<span> spans_;
};

// The token text for value at a key of the given kind: the shortest text that
// reads back to the same double, or a plain integer for whole-number kinds.
// Returns false (text untouched) when a whole-number key gets a fraction or a
// value outside the 32-bit range.
bool format_token(double value, token_kind kind, std::string& text);

// The names of the numbers in the three parameter files, as mirelo's help page
// lists them, with the file and token position each one occupies.
#pragma once

#include <string>
#include <string_view>

enum class parameter_set_file { grid, equation, wavefunction };
constexpr int parameter_set_file_count = 3;

// What the readers expect at the token: a real, a 32-bit integer, or a real
// that the reader truncates to a count (xdim, tdim) and therefore must be a
// whole number too.
enum class token_kind { real, integer, count };

struct parameter_key {
  std::string name;        // as the user writes it, e.g. "Eo" or "psi:a"
  parameter_set_file file;
  int token;               // 0-based position in the file; 0 is the version
  token_kind kind;
};

// File name of each file of a set ("1d-grid.par", "1d-eq.par", "1d-psi.par")
// and its prefix in a qualified key ("grid", "eq", "psi").
const char* set_file_name(parameter_set_file file);
const char* set_file_prefix(parameter_set_file file);

// Finds a key: a plain name that occurs in one file only, or "prefix:name".
// "Uo" is the wavefunction file's k (the well depth of a well state). Returns
// false with a one-line reason for an unknown, ambiguous or non-numeric name.
bool find_parameter_key(std::string_view name, parameter_key& key, std::string& error);

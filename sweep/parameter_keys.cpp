#include "parameter_keys.h"

#include <array>
#include <vector>

namespace {

struct token_entry {
  const char* name;
  token_kind kind;  // only numbers are listed; text tokens have an empty name
  bool text = false;
};

constexpr token_kind R = token_kind::real, I = token_kind::integer, C = token_kind::count;

// Every token in reading order, the version first.
const std::vector<token_entry>& tokens_of(parameter_set_file file) {
  static const std::vector<token_entry> grid = {
      {"ver", R}, {"xdim", C}, {"xmin", R}, {"xmax", R}, {"tdim", C}, {"tmin", R}, {"dt", R}};
  static const std::vector<token_entry> equation = {
      {"ver", R},    {"typ_potencjalu", I}, {"Vo", R},     {"a", R},
      {"Ec", R},     {"Eo", R},             {"w", R},      {"k", R},
      {"phi", R},    {"w2", R},             {"w3", R},     {"w4", R},
      {"typ_obwiedni", I}, {"T1", R},       {"T2", R},     {"pA_cechowanie_mieszane", I},
      {"typ_pot_absorb", I}, {"Uo_abs", R}, {"a_abs", R},  {"Uor_abs", R},
      {"Nr_abs", R}, {"Ni_abs", R},         {"nieliniowosc_SN", R}, {"v_save", I},
      {"e_save", I}};
  static const std::vector<token_entry> wavefunction = {
      {"ver", R},    {"typ_funkcji_pocz", I}, {"nazwa_pliku", R, true}, {"x0", R},
      {"a", R},      {"k", R},                {"n", I},
      {"co_ile_krokow_zapis_wykresu", I}, {"co_ile_krokow_zapis_funkcji", I},
      {"co_ile_krokow_zapis_fft", I},     {"przesuniecie", I},
      {"cechowanie_hamiltonianu", I},     {"rzutuj_na_plik", I},
      {"rzutuj_nazwa_pliku", R, true}};
  switch (file) {
    case parameter_set_file::grid: return grid;
    case parameter_set_file::equation: return equation;
    default: return wavefunction;
  }
}

constexpr std::array<parameter_set_file, parameter_set_file_count> all_files = {
    parameter_set_file::grid, parameter_set_file::equation, parameter_set_file::wavefunction};

// Positions of name in file, or -1.
int token_of(parameter_set_file file, std::string_view name) {
  const auto& tokens = tokens_of(file);
  for (std::size_t i = 0; i < tokens.size(); ++i)
    if (name == tokens[i].name) return static_cast<int>(i);
  return -1;
}

}  // namespace

const char* set_file_name(parameter_set_file file) {
  static const char* names[] = {"1d-grid.par", "1d-eq.par", "1d-psi.par"};
  return names[static_cast<int>(file)];
}

const char* set_file_prefix(parameter_set_file file) {
  static const char* prefixes[] = {"grid", "eq", "psi"};
  return prefixes[static_cast<int>(file)];
}

bool find_parameter_key(std::string_view name, parameter_key& key, std::string& error) {
  std::string_view bare = name;
  std::vector<parameter_set_file> files(all_files.begin(), all_files.end());
  if (const std::size_t colon = name.find(':'); colon != std::string_view::npos) {
    files.clear();
    for (parameter_set_file file : all_files)
      if (name.substr(0, colon) == set_file_prefix(file)) files.push_back(file);
    bare = name.substr(colon + 1);
    if (files.empty()) {
      error = "nieznany plik w kluczu " + std::string(name) + " (grid, eq albo psi)";
      return false;
    }
  }
  if (bare == "Uo" && (files.size() > 1 || files.front() == parameter_set_file::wavefunction)) {
    files = {parameter_set_file::wavefunction};
    bare = "k";
  }
  std::vector<std::pair<parameter_set_file, int>> found;
  for (parameter_set_file file : files)
    if (const int token = token_of(file, bare); token >= 0) found.emplace_back(file, token);
  if (found.empty()) {
    error = "nieznany klucz " + std::string(name);
    return false;
  }
  if (found.size() > 1) {
    error = "klucz " + std::string(name) + " wystepuje w kilku plikach, napisz";
    for (std::size_t i = 0; i < found.size(); ++i)
      error += (i ? " albo " : " ") + std::string(set_file_prefix(found[i].first)) + ":" + std::string(bare);
    return false;
  }
  const token_entry& entry = tokens_of(found[0].first)[found[0].second];
  if (entry.text) {
    error = "klucz " + std::string(name) + " to nazwa pliku, nie liczba";
    return false;
  }
  key = parameter_key{std::string(name), found[0].first, found[0].second, entry.kind};
  return true;
}

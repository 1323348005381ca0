// The record a sweep keeps in its folder: runs.tsv (a header "run" and the
// swept keys, then one line per run folder with its values) and axes.tsv
// (each key with its scale, "lin" or "log").
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct sweep_table {
  std::vector<std::string> keys;
  std::vector<bool> logarithmic;
  std::vector<std::string> folders;
  std::vector<std::vector<std::string>> values;  // per run, one text per key
};

void write_sweep_table(const std::filesystem::path& out, const sweep_table& table);
// False with a one-line reason when OUT holds no readable sweep.
bool read_sweep_table(const std::filesystem::path& out, sweep_table& table, std::string& error);

// Writes text to path through a temporary name in the same folder, so that a
// failed write never leaves a half file under the final name. Throws
// std::runtime_error naming the file when it cannot be written.
void write_text_file(const std::filesystem::path& path, const std::string& text);

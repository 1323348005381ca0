#include "sweep_table.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "text_file.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> split_tabs(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t begin = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', begin);
    fields.push_back(line.substr(begin, tab - begin));
    if (tab == std::string::npos) return fields;
    begin = tab + 1;
  }
}

}  // namespace

void write_text_file(const fs::path& path, const std::string& text) {
  text_file file(path.string());
  file << text;
  if (!file.close()) throw std::runtime_error("nie mozna zapisac pliku " + path.string());
}

void write_sweep_table(const fs::path& out, const sweep_table& table) {
  std::string runs = "run";
  std::string axes;
  for (std::size_t k = 0; k < table.keys.size(); ++k) {
    runs += "\t" + table.keys[k];
    axes += table.keys[k] + (table.logarithmic[k] ? "\tlog\n" : "\tlin\n");
  }
  runs += "\n";
  for (std::size_t r = 0; r < table.folders.size(); ++r) {
    runs += table.folders[r];
    for (const std::string& value : table.values[r]) runs += "\t" + value;
    runs += "\n";
  }
  write_text_file(out / "axes.tsv", axes);
  write_text_file(out / "runs.tsv", runs);
}

bool read_sweep_table(const fs::path& out, sweep_table& table, std::string& error) {
  table = sweep_table{};
  std::ifstream runs(out / "runs.tsv");
  std::string line;
  if (!runs || !std::getline(runs, line) || line.rfind("run", 0) != 0) {
    error = "brak pliku " + (out / "runs.tsv").string() + " (czy to katalog utworzony przez sweep make?)";
    return false;
  }
  const std::vector<std::string> header = split_tabs(line);
  table.keys.assign(header.begin() + 1, header.end());
  table.logarithmic.assign(table.keys.size(), false);
  while (std::getline(runs, line)) {
    if (line.empty()) continue;
    std::vector<std::string> fields = split_tabs(line);
    if (fields.size() != header.size() || fields[0].empty() || fields[0].find('/') != std::string::npos) {
      error = "uszkodzony wiersz w " + (out / "runs.tsv").string() + ": " + line;
      return false;
    }
    table.folders.push_back(fields[0]);
    table.values.emplace_back(fields.begin() + 1, fields.end());
  }
  std::ifstream axes(out / "axes.tsv");
  while (std::getline(axes, line)) {
    const std::vector<std::string> fields = split_tabs(line);
    for (std::size_t k = 0; k < table.keys.size(); ++k)
      if (fields.size() == 2 && fields[0] == table.keys[k]) table.logarithmic[k] = fields[1] == "log";
  }
  return true;
}

#include "result_file.h"

#include <filesystem>
#include <sstream>
#include <system_error>

std::string result_header(std::string_view first_name) {
  std::string text = "#Zapis wynikow z programu ovint (";
  text += first_name;
  text += "):\n#<2|2>   |<1|2>|^2  |<1|x|2>|^2   <2|x|2> \n#";
  return text;
}

std::string result_row(int index, const OverlapSums& sums) {
  std::ostringstream row;
  row << "\n" << index << "  " << sums.n2 << "  " << sums.occupation() << "  " << sums.dipole_square() << "  "
      << sums.x2;
  return row.str();
}

bool result_file::open(const std::string& name) {
  name_ = name;
  file_.open(name, std::ios::app);
  return file_.is_open();
}

bool result_file::append(std::string_view text) {
  if (!file_.is_open()) return false;
  std::error_code error;
  const bool regular = std::filesystem::is_regular_file(name_, error);
  const std::uintmax_t size = regular ? std::filesystem::file_size(name_, error) : 0;
  file_ << text;
  file_.flush();
  if (file_) return true;
  // What part of the text reached the file is cut off again.
  file_.close();
  if (regular && !error) std::filesystem::resize_file(name_, size, error);
  return false;
}

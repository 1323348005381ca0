#include "column_file.h"

#include <QFile>
#include <QString>

#include <algorithm>
#include <fstream>
#include <istream>
#include <locale>
#include <sstream>
#include <string>

#include "dialogs.h"
#include "fatal_ending.h"
#include "messages.h"

namespace {

class point_store {
 public:
  point_store(std::vector<double>& data, int point_count, column_file_reading& result)
      : data_(data), point_count_(point_count), result_(result) {}

  void put(long long index, double value) {
    if (index > point_count_)
      ++result_.surplus;
    else if (index >= 0 && static_cast<unsigned long long>(index) < data_.size())
      data_[index] = value;
  }

 private:
  std::vector<double>& data_;
  const int point_count_;
  column_file_reading& result_;
};

}  // namespace

column_file_reading read_column_file(std::istream& file, int columns, std::vector<double>& data,
                                     int point_count) {
  file.imbue(std::locale::classic());
  column_file_reading result;
  point_store store(data, point_count, result);

  std::string line;
  while (std::getline(file, line)) {
    if (line.starts_with('#')) continue;
    const std::size_t space = line.find(' ');
    std::istringstream point(space == std::string::npos ? std::string() : line.substr(space));
    point.imbue(std::locale::classic());
    if (double value; point >> value) {
      result.has_values = true;
      result.maximum = result.minimum = value;
      result.maximum_index = 1;
      store.put(1, value);
    }
    break;
  }

  // The value is the second number of a group; the others are only read.
  double numbers[8];
  const int count = std::clamp(columns, 2, 8);
  for (long long i = 2;; ++i) {
    for (int c = 0; c < count; ++c)
      if (!(file >> numbers[c])) return result;
    const double value = numbers[1];
    if (i == 2) {
      result.has_values = true;
      result.maximum = result.minimum = value;
      result.maximum_index = 2;
    }
    store.put(i, value);
    if (value > result.maximum) {
      result.maximum = value;
      result.maximum_index = i;
    }
    if (value < result.minimum) result.minimum = value;
  }
}

bool open_column_file(std::ifstream& file, const QString& name, const QString& text) {
  file.open(QFile::encodeName(name).toStdString());
  if (file) return true;
  show_message(text + QStringLiteral(" (") + name + QStringLiteral(")"));
  sound_alarm();
  try {
    end_after_fatal_error();
  } catch (const run_aborted&) {
  }
  return false;
}

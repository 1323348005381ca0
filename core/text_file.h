// A result file of a run, written through a bounded buffer: numbers are
// formatted into the buffer and handed to the file in blocks, so that a large
// grid needs neither a stream call per number nor the whole file in memory.
//
// A new file is written under a temporary name in the same folder and takes
// its own name only when complete, so that a file under its final name is
// always whole: a full disk, a killed run or a failed write never leaves a
// cut file there. An appended file that cannot take its addition whole is
// cut back to what it held. An existing file that is not writable (an earlier
// run's result made read-only) is refused rather than replaced; a name that
// is a device, or a link to one, is written in place.
#pragma once

#include <fstream>
#include <string>
#include <string_view>

class text_file {
 public:
  enum class mode { create, append };

  explicit text_file(const std::string& name, mode how = mode::create);
  // Without a successful close the file is abandoned: its temporary is
  // removed and an appended file is cut back.
  ~text_file();
  text_file(const text_file&) = delete;
  text_file& operator=(const text_file&) = delete;

  text_file& operator<<(std::string_view text) {
    buffer_ += text;
    return spill();
  }
  text_file& number(double value, int digits = 6);
  // Two numbers separated by two blanks, then the line break.
  void row(double first, double second, int digits = 6);

  // Writes the rest, closes the file and puts it under its name. Returns
  // false when anything failed; the file's earlier content is then intact
  // (or, for a new file, nothing is left under its name by this write).
  bool close();
  // For a file kept open through a run (append mode): hands everything
  // written so far to the file at once. Returns false when that failed; the
  // file is then cut back to what it held after the last successful commit
  // and closed.
  bool commit();

  // The temporary name that a new file is written under.
  static std::string temporary_name(const std::string& final_name);

 private:
  static constexpr std::size_t block_size = 1 << 16;
  text_file& spill();
  void abandon();

  std::string name_;       // the name the complete file takes
  std::string written_;    // the name written now: the temporary, or name_ itself
  std::ofstream file_;
  std::string buffer_;
  bool append_ = false;
  long long old_size_ = -1;  // size of an appended file before this write
  bool failed_ = false;
  bool open_ = false;
};

#include "text_file.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "number_text.h"

namespace fs = std::filesystem;

namespace {

// The file that a name stands for: a symbolic link is followed, so that the
// link stays and its target gets the new content.
std::string resolved_name(const std::string& name) {
  std::error_code error;
  if (!fs::is_symlink(name, error)) return name;
  const fs::path target = fs::canonical(name, error);
  return error ? name : target.string();
}

}  // namespace

std::string text_file::temporary_name(const std::string& final_name) { return final_name + ".tmp"; }

text_file::text_file(const std::string& name, mode how) : name_(resolved_name(name)), append_(how == mode::append) {
  std::error_code error;
  const fs::file_status status = fs::status(name_, error);
  const bool exists = fs::exists(status);
  // Permissions bite even where renaming would not need them.
  if (exists && ::access(name_.c_str(), W_OK) != 0) {
    failed_ = true;
    return;
  }
  if (append_ || (exists && !fs::is_regular_file(status))) {
    written_ = name_;
    if (append_ && !exists) old_size_ = 0;
    if (append_ && exists && fs::is_regular_file(status)) {
      old_size_ = static_cast<long long>(fs::file_size(name_, error));
      if (error) old_size_ = -1;
    }
    file_.open(written_, append_ ? std::ios::app : std::ios::out);
  } else {
    written_ = temporary_name(name_);
    file_.open(written_, std::ios::out | std::ios::trunc);
  }
  open_ = file_.is_open();
  failed_ = !open_;
}

text_file::~text_file() {
  if (open_) abandon();
}

text_file& text_file::number(double value, int digits) {
  append_number(buffer_, value, digits);
  return spill();
}

void text_file::row(double first, double second, int digits) {
  append_number(buffer_, first, digits);
  buffer_ += "  ";
  append_number(buffer_, second, digits);
  buffer_ += '\n';
  spill();
}

text_file& text_file::spill() {
  if (buffer_.size() >= block_size) {
    if (open_ && !failed_) {
      file_ << buffer_;
      failed_ = !file_;
    }
    buffer_.clear();
  }
  return *this;
}

bool text_file::close() {
  if (!open_) return false;
  if (!failed_) file_ << buffer_;
  buffer_.clear();
  file_.close();
  failed_ = failed_ || file_.fail();
  if (failed_) {
    abandon();
    return false;
  }
  open_ = false;
  if (written_ == name_) return true;
  std::error_code error;
  fs::rename(written_, name_, error);
  if (error) {
    fs::remove(written_, error);
    return false;
  }
  return true;
}

bool text_file::commit() {
  if (!open_) return false;
  if (!failed_) {
    file_ << buffer_;
    file_.flush();
    failed_ = !file_;
  }
  buffer_.clear();
  if (failed_) {
    abandon();
    return false;
  }
  // What a later failure cuts back to: this commit's end.
  if (append_ && written_ == name_ && old_size_ >= 0) {
    const std::streamoff end = file_.tellp();
    if (end >= 0) old_size_ = end;
  }
  return true;
}

void text_file::abandon() {
  open_ = false;
  if (file_.is_open()) file_.close();
  std::error_code error;
  if (written_ != name_) {
    fs::remove(written_, error);
  } else if (old_size_ >= 0) {
    fs::resize_file(written_, static_cast<std::uintmax_t>(old_size_), error);
  }
}

#include "set_checker.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

#include "file_names.h"
#include "messages.h"
#include "run_sequence.h"

namespace fs = std::filesystem;

namespace {

struct fatal_ending_reached : std::runtime_error {
  fatal_ending_reached() : std::runtime_error("fatal ending") {}
};

// The core's fatal ending would end sweep itself; during a check it unwinds
// back to the checker instead, which reports the set as rejected.
[[noreturn]] void unwind_fatal_ending() { throw fatal_ending_reached(); }

// The check's alarms go to standard output; for the time of a check that is
// /dev/null, so that a sweep of many sets does not ring for every warning.
class quiet_standard_output {
 public:
  quiet_standard_output() {
    std::fflush(stdout);
    saved_ = dup(STDOUT_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    if (null >= 0) {
      dup2(null, STDOUT_FILENO);
      close(null);
    }
  }
  ~quiet_standard_output() {
    std::fflush(stdout);
    if (saved_ >= 0) {
      dup2(saved_, STDOUT_FILENO);
      close(saved_);
    }
  }

 private:
  int saved_ = -1;
};

// Points the core at the scratch folder and captured streams for one check,
// and afterwards puts the streams, file names and current folder back (the
// fatal ending back to the core's default).
class core_session {
 public:
  core_session(const fs::path& folder, std::ostream& messages, std::ostream& errors)
      : previous_(fs::current_path()), messages_(message_stream()), errors_(error_stream()) {
    fs::current_path(folder);
    set_message_streams(messages, errors);
    set_fatal_ending(&unwind_fatal_ending);
    set_file_name(grid_file_name, (folder / "1d-grid.par").string());
    set_file_name(equation_file_name, (folder / "1d-eq.par").string());
    set_file_name(wavefunction_file_name, (folder / "1d-psi.par").string());
  }
  ~core_session() {
    reset_file_names();
    set_fatal_ending(nullptr);
    set_message_streams(messages_, errors_);
    std::error_code ignored;
    fs::current_path(previous_, ignored);
  }

 private:
  fs::path previous_;
  std::ostream& messages_;
  std::ostream& errors_;
};

void replace_all(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
    text.replace(at, from.size(), to);
}

}  // namespace

void copy_companions(const fs::path& base_folder, const std::vector<fs::path>& companions,
                     const fs::path& folder) {
  for (const fs::path& companion : companions) {
    fs::create_directories((folder / companion).parent_path());
    fs::copy_file(base_folder / companion, folder / companion, fs::copy_options::overwrite_existing);
  }
}

set_checker::set_checker() {
  std::string pattern = (fs::temp_directory_path() / "sweep-check-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("nie mozna utworzyc katalogu tymczasowego");
  scratch_ = pattern;
}

set_checker::~set_checker() {
  std::error_code ignored;
  fs::remove_all(scratch_, ignored);
}

bool set_checker::accepts(const parameter_set& set, const fs::path& base_folder,
                          const std::vector<fs::path>& companions, const std::string& shown_folder,
                          std::string& message) {
  const fs::path folder = scratch_ / "set";
  fs::remove_all(folder);
  fs::create_directory(folder);
  for (int f = 0; f < parameter_set_file_count; ++f)
    std::ofstream(folder / set_file_name(static_cast<parameter_set_file>(f)), std::ios::binary) << set[f].text();
  copy_companions(base_folder, companions, folder);

  std::ostringstream messages, errors;
  int status = 1;
  {
    quiet_standard_output quiet;
    core_session session(folder, messages, errors);
    try {
      status = check_parameter_set(2);
    } catch (const fatal_ending_reached&) {
      status = 1;
    }
  }
  message = errors.str();
  replace_all(message, folder.string(), shown_folder);
  return status == 0;
}

std::vector<fs::path> companion_files(const parameter_set& set, const fs::path& base_folder) {
  const parameter_text& psi = set[static_cast<int>(parameter_set_file::wavefunction)];
  std::vector<fs::path> found;
  auto add = [&](int switch_token, bool wanted_when_zero, int name_token) {
    double switch_value = 0;
    if (psi.token_count() <= name_token || !parse_number(psi.token(switch_token), switch_value)) return;
    if ((static_cast<int>(switch_value) == 0) != wanted_when_zero) return;
    const fs::path name = fs::path(psi.token(name_token)).lexically_normal();
    // Only files inside the base folder travel with the set; a name that
    // climbs out of it would be written outside the run folder.
    if (name.is_absolute() || name.empty() || *name.begin() == "..") return;
    if (fs::is_regular_file(base_folder / name)) found.push_back(name);
  };
  add(1, true, 2);     // typ_funkcji_pocz 0: the initial state is read from nazwa_pliku
  add(12, false, 13);  // rzutuj_na_plik: projection on rzutuj_nazwa_pliku
  return found;
}

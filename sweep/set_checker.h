// Checks generated parameter sets with the core's own readers and validation
// in a scratch folder of the system's temporary directory, so that the
// step-0 outputs of the check never land where the user looks.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "sweep_plan.h"

class set_checker {
 public:
  set_checker();
  ~set_checker();
  set_checker(const set_checker&) = delete;
  set_checker& operator=(const set_checker&) = delete;

  // Writes the set and copies its companion files (initial state, projection)
  // beside it, then runs the core's check. On rejection message holds what
  // the core printed on its error stream, with the scratch folder replaced by
  // shown_folder, so that the text names the user's files.
  bool accepts(const parameter_set& set, const std::filesystem::path& base_folder,
               const std::vector<std::filesystem::path>& companions, const std::string& shown_folder,
               std::string& message);

 private:
  std::filesystem::path scratch_;
};

// Files of the base folder a set refers to by a relative name (the initial
// state read from a file, the projection file), as names relative to it.
std::vector<std::filesystem::path> companion_files(const parameter_set& set,
                                                   const std::filesystem::path& base_folder);
// Copies them from the base folder into folder, under the same relative names.
void copy_companions(const std::filesystem::path& base_folder,
                     const std::vector<std::filesystem::path>& companions, const std::filesystem::path& folder);

// The runs of a sweep: the swept keys with their values, combined as a
// Cartesian product or paired one to one (--zip), applied to a base set.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "parameter_keys.h"
#include "parameter_text.h"
#include "value_list.h"

struct sweep_axis {
  parameter_key key;
  value_list list;
};

// The three files of one parameter set, in the order of parameter_set_file.
using parameter_set = std::array<parameter_text, parameter_set_file_count>;

struct planned_run {
  std::string folder;               // "run-0001", ...
  std::vector<std::string> values;  // the token written for each axis
  parameter_set files;
};

struct sweep_plan {
  std::vector<sweep_axis> axes;
  std::vector<planned_run> runs;
};

// Parses "KEY=VALUES" arguments into axes; false with a one-line reason.
bool parse_axes(const std::vector<std::string>& arguments, std::vector<sweep_axis>& axes, std::string& error);

// Builds every run from the base set: first key outermost, the last one
// changing fastest; with zip the lists go side by side and must be equally
// long. False with a one-line reason for a key the base file lacks, a value a
// whole-number key cannot take, unequal zipped lists or too many runs.
bool plan_runs(const parameter_set& base, std::vector<sweep_axis> axes, bool zip, sweep_plan& plan,
               std::string& error);

// "run-0001": at least four digits, more when the sweep needs them.
std::string run_folder_name(std::size_t index, std::size_t run_count);

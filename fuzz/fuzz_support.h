// Shared by the fuzz targets: the input as a file in a scratch folder, the
// core's streams silenced and its fatal ending turned into an exception.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct fuzz_fatal_ending {};

// Makes a scratch folder the current one (once per process; it is removed
// when the process exits), silences the core and installs the throwing
// fatal ending.
void prepare_fuzz_process();
// Writes the input to name in the scratch folder.
void write_input(const std::string& name, const std::uint8_t* data, std::size_t size);
// Writes a small valid grid, equation and wavefunction parameter file set.
void write_fixed_parameters();

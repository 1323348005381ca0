// mirelo-spectrum: the harmonic spectrum of a run from its dipole record
// and parameter files in the current directory. Returns the exit status:
// 0 on success, 1 on any failure.
#pragma once

int spectrum_main(int argc, const char* const* argv);

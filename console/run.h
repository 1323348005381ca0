// mirelo's run: one simulation from the three parameter files, with the
// start, end and duration reports.
#pragma once

// Creates the grid and the wavefunction from the names in the file-name
// table, propagates over all time steps (none in test mode, after the
// step-0 outputs) and writes the final wavefunction (not in test mode).
// Returns the exit code: 0 when the run or the test completes, 1 after a
// failure, which has been reported on the error stream with the alarm, and
// 128 + the signal number after SIGINT or SIGTERM stopped the run between two
// steps (130, 143), also reported there.
int run_simulation(int message_level, int test_mode);

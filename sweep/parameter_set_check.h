// Stand-in for the core's check of a parameter set until the core offers it.
// Reads the three parameter files named in the file-name table and builds the
// grid and the wavefunction as a test-mode run (`mirelo -t`) does, with the
// same checks and messages on the core's message/error streams; step-0
// outputs go to the current folder.
// Returns 0 when the set is accepted, 1 when it is rejected.
#pragma once

int check_parameter_set(int message_level);

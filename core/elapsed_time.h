// The duration report printed at the end of a run by both programs.
#pragma once

// Prints "\nCzas trwania obliczen: " and the duration split into days, hours,
// minutes and seconds to the message stream. A unit is split off only when
// the remainder strictly exceeds it, so 60 s stays "60 sek.".
void report_elapsed_time(int seconds);

// The log file: the message stream's text saved in the current directory
// when the wizard window closes and on the fatal-error ending.
#pragma once

inline constexpr char log_file_name[] = "tarn.log";

// Creates or replaces tarn.log with the lines of the program's message stream
// (an empty file before the stream exists). False when it cannot be written;
// nothing else depends on the log, so callers may ignore that.
bool save_log();

// SIGINT and SIGTERM during a run: the handler only notes the signal, and the
// run stops after the step in progress, so that every file it writes is
// whole. A second signal ends the process at once, as it would without us.
#pragma once

#include <csignal>

// Watches for the two signals while it lives; the earlier handling comes
// back afterwards.
class interruption_watch {
 public:
  interruption_watch();
  ~interruption_watch();
  interruption_watch(const interruption_watch&) = delete;
  interruption_watch& operator=(const interruption_watch&) = delete;

 private:
  struct sigaction previous_int_ = {}, previous_term_ = {};
};

// The signal that asked the run to stop, 0 when none came since the watch
// began.
int interruption_signal();

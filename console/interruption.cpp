#include "interruption.h"

namespace {

volatile std::sig_atomic_t received_signal = 0;

extern "C" void note_signal(int signal_number) { received_signal = signal_number; }

}  // namespace

interruption_watch::interruption_watch() {
  received_signal = 0;
  struct sigaction action = {};
  action.sa_handler = note_signal;
  sigemptyset(&action.sa_mask);
  // The handler is for the first signal only; a second one finds the default
  // and ends a run that does not stop soon enough.
  action.sa_flags = SA_RESETHAND | SA_RESTART;
  sigaction(SIGINT, &action, &previous_int_);
  sigaction(SIGTERM, &action, &previous_term_);
}

interruption_watch::~interruption_watch() {
  sigaction(SIGINT, &previous_int_, nullptr);
  sigaction(SIGTERM, &previous_term_, nullptr);
}

int interruption_signal() { return received_signal; }

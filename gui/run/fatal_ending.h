// tarn's ending after a fatal error of the computation. The core calls it
// (through set_fatal_ending) after it has written the error line and sounded
// the alarm; the wizard calls it directly when a step's plot file is missing.
//
// What it does, whichever thread failed:
//   1. shows the box "Tarn: Awaryjne zamknięcie programu - błąd obliczeń. ..."
//      on the window thread; a failing simulation thread waits until the
//      user has closed it,
//   2. saves the message stream to tarn.log,
//   3. makes the application's event loops return (QCoreApplication::exit,
//      so the wizard's close query does not run),
//   4. throws run_aborted on the failing thread, so that the failed
//      computation never goes on and writes no further file.
//
// Contract for the code that starts runs:
//   - The simulation thread catches run_aborted at the top of its run and
//     returns at once: no further step, no "psi_stop.dat", no duration.
//   - On the window thread (single-thread mode, or the wizard's own ending)
//     run_aborted unwinds to the code that started the run or raised the
//     ending, which must catch it there: no exception may pass through Qt's
//     event dispatch.
//   - A handler that the simulation thread has run on the window thread,
//     waiting for it, and that ends this way cannot throw into the simulation
//     thread; that thread checks fatal_ending_reached() when the call returns
//     and throws run_aborted itself.
//   - The window thread must keep processing events while a run goes on
//     (never wait for the simulation thread without a bound, as the step
//     handoff's serving does), or a failing simulation thread would wait
//     for the box for ever.
//   - install_fatal_ending is first called on the window thread.
#pragma once

// Thrown by the ending to unwind the failed computation. Deliberately not a
// std::exception, so that no catch-all for ordinary errors swallows it.
struct run_aborted {};

// Installs the ending as the core's and arms it again (the box, the log and
// the exit happen once per arming; later failures only unwind).
void install_fatal_ending();

// The ending itself. Never returns.
[[noreturn]] void end_after_fatal_error();

// True once the ending has run (since the last install_fatal_ending).
bool fatal_ending_reached();

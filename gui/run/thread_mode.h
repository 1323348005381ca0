// Where tarn runs its simulations: on a worker thread (multi-thread mode) or
// on the window thread (single-thread mode, chosen by a command-line switch).
#pragma once

#include <QStringList>

// Takes the arguments as QCoreApplication::arguments() gives them (program
// name first). Only the first argument after the program name counts: in any
// letter case "nomultithread", "/nomultithread" or "-nomultithread" chooses
// single-thread mode, which is announced with a message box. Returns true for
// multi-thread mode. Call on the window thread (it may show a box).
bool choose_multithread_mode(const QStringList& arguments);

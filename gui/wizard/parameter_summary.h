// What the wizard's summary page tells about a parameter set before a run:
// the summary of every value and the advice of the parameter tests. Numbers
// appear as the wizard's labels show them (locale decimal separator).
#pragma once

#include <QString>
#include <QStringList>

struct WizardParameters;

// Where the parameters go besides the working files: the page 1 check box
// "Zapisz do plików" and its three name boxes.
struct saved_copies {
  bool save_to_files = false;  // CheckBox1
  QString grid_file;           // Edit9
  QString wavefunction_file;   // Edit11
  QString equation_file;       // Edit10
};

// The summary lines, starting with an empty line and the directory the run
// writes into.
QStringList summary_lines(const WizardParameters& values, const saved_copies& copies, const QString& directory);

// The tests: an empty line, the opening line, each group's heading followed
// by one line for every condition that holds, the closing line and an empty
// line. The lines are advice only; a run still starts.
QStringList parameter_test_lines(const WizardParameters& values);

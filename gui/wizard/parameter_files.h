// The three working parameter files that every run of tarn reads from the
// current directory, written from the wizard's values or copied from files
// the user names.
#pragma once

#include <QString>
#include <QStringList>

#include <string>

struct WizardParameters;

// The working files, in the current directory.
inline const QString working_grid_file = QStringLiteral("1d-grid.par");
inline const QString working_equation_file = QStringLiteral("1d-eq.par");
inline const QString working_wavefunction_file = QStringLiteral("1d-psi.par");

// A real as the files carry it: scientific notation with 14 digits after the
// point and a point whatever the user's locale, "1.00000000000000e+00".
std::string parameter_real(double value);

// The files' texts, line by line in the order the core reads the tokens. In
// the wavefunction file a well or shooting-method state (use_well_parameters)
// carries the integer 0 and the potential's a and Vo where a packet carries
// its x0, width and k0.
std::string grid_file_text(const WizardParameters& values);
std::string wavefunction_file_text(const WizardParameters& values, bool use_well_parameters);
std::string equation_file_text(const WizardParameters& values);

// Creates or replaces the three working files in the order grid,
// wavefunction, equation. A file that cannot be written is not reported: the
// run reports the bad or missing file. Returns the lines that tell the user
// what was written ("Zapisuję parametry ..." and one line per file).
QStringList write_working_files(const WizardParameters& values, bool use_well_parameters);

// Copies one parameter file. Nothing happens when both names are the same
// text, or when overwrite is off and the target exists. A missing source is
// reported in a box ("Błąd: plik ... nie istnieje") and leaves the target as
// it was, so a run goes on with the old working file.
void copy_parameter_file(const QString& source, const QString& target, bool overwrite);

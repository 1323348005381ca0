// Numbers in the wizard's boxes and labels: the user's locale decides the
// decimal separator that is shown, and both the point and the comma are
// accepted when reading.
#pragma once

#include <QString>

#include <optional>

// Replaces every "." and "," by the locale's decimal separator, then converts.
// Text that is no number gives nothing.
std::optional<double> TextToReal(const QString& text);

// Whole numbers of the boxes that take only integers; text that is no
// integer gives nothing.
std::optional<int> TextToInteger(const QString& text);

// Text that is no number yet but that typing can still turn into one, as
// TextToReal reads it: "-", "1e", "1e-", ",", an empty text (Qt's validators
// call it intermediate). False for a number and for "abc" or "1x".
bool CanBecomeReal(const QString& text);

// The conversion errors, in a message box:
// "'<text>' nie jest poprawną wartością liczbową" and
// "'<text>' nie jest poprawną liczbą całkowitą".
void ReportNotAReal(const QString& text);
void ReportNotAnInteger(const QString& text);

// A real truncated toward zero, kept inside the int range (a not-a-number
// gives 0), for counts typed as reals.
int TruncateToInt(double value);

// Up to 15 significant digits, trailing zeros dropped, exponent form only for
// very large or very small magnitudes, the locale's decimal separator: the
// same text as the message stream writes.
QString RealToText(double value);

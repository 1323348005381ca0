#include "wizard_numbers.h"

#include <QDoubleValidator>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

#include "dialogs.h"

namespace {

// Both separators become the locale's.
QString with_locale_separator(const QString& text, const QLocale& locale) {
  QString normalised = text;
  return normalised.replace(QLatin1Char('.'), locale.decimalPoint()).replace(QLatin1Char(','), locale.decimalPoint());
}

}  // namespace

std::optional<double> TextToReal(const QString& text) {
  const QLocale locale;
  bool ok = false;
  const double value = locale.toDouble(with_locale_separator(text, locale), &ok);
  if (ok) return value;
  return std::nullopt;
}

std::optional<int> TextToInteger(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  if (ok) return value;
  return std::nullopt;
}

bool CanBecomeReal(const QString& text) {
  if (TextToReal(text)) return false;
  const QLocale locale;
  QDoubleValidator validator;
  validator.setLocale(locale);
  validator.setNotation(QDoubleValidator::ScientificNotation);
  QString normalised = with_locale_separator(text, locale);
  int position = 0;
  return validator.validate(normalised, position) != QValidator::Invalid;
}

void ReportNotAReal(const QString& text) {
  show_message(QStringLiteral("'%1' nie jest poprawną wartością liczbową").arg(text));
}

void ReportNotAnInteger(const QString& text) {
  show_message(QStringLiteral("'%1' nie jest poprawną liczbą całkowitą").arg(text));
}

int TruncateToInt(double value) {
  if (std::isnan(value)) return 0;
  constexpr double lowest = std::numeric_limits<int>::min(), highest = std::numeric_limits<int>::max();
  return static_cast<int>(std::clamp(std::trunc(value), lowest, highest));
}

QString RealToText(double value) {
  return QString::number(value, 'g', 15).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

#include "wizard_numbers.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

#include "dialogs.h"

std::optional<double> TextToReal(const QString& text) {
  const QLocale locale;
  QString normalised = text;
  normalised.replace(QLatin1Char('.'), locale.decimalPoint()).replace(QLatin1Char(','), locale.decimalPoint());
  bool ok = false;
  const double value = locale.toDouble(normalised, &ok);
  if (ok) return value;
  show_message(QStringLiteral("'%1' nie jest poprawną wartością liczbową").arg(text));
  return std::nullopt;
}

std::optional<int> TextToInteger(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  if (ok) return value;
  show_message(QStringLiteral("'%1' nie jest poprawną liczbą całkowitą").arg(text));
  return std::nullopt;
}

int TruncateToInt(double value) {
  if (std::isnan(value)) return 0;
  constexpr double lowest = std::numeric_limits<int>::min(), highest = std::numeric_limits<int>::max();
  return static_cast<int>(std::clamp(std::trunc(value), lowest, highest));
}

QString RealToText(double value) {
  return QString::number(value, 'g', 15).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

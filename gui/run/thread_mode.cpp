#include "thread_mode.h"

#include "dialogs.h"

bool choose_multithread_mode(const QStringList& arguments) {
  const QString first = arguments.size() > 1 ? arguments[1].toLower() : QString();
  const bool single = first == QLatin1String("nomultithread") || first == QLatin1String("/nomultithread") ||
                      first == QLatin1String("-nomultithread");
  if (single) show_message(QStringLiteral("Program uruchomiony w trybie jednego wątku"));
  return !single;
}

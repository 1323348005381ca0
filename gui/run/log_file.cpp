#include "log_file.h"

#include <QFile>

#include "strings_stream.h"

bool save_log() {
  if (const TStringsStream* sink = message_sink()) return sink->save_to_file(QString::fromLatin1(log_file_name));
  QFile file(QString::fromLatin1(log_file_name));
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

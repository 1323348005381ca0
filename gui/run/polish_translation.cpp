#include "polish_translation.h"

#include <QCoreApplication>
#include <QTranslator>

QTranslator* install_polish_translation(const QString& directory) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(QStringLiteral("qtbase_pl"), directory) && QCoreApplication::installTranslator(translator))
    return translator;
  delete translator;
  return nullptr;
}

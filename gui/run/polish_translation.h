// Qt's own texts (the standard buttons of the boxes, the file dialog) in
// Polish, like the rest of tarn, whatever the user's locale.
#pragma once

#include <QLibraryInfo>
#include <QString>

class QTranslator;

// Loads Qt's Polish translation "qtbase_pl.qm" from the directory and installs
// it in the application, which owns it. Returns it, or nullptr when the file
// is missing or unreadable (the boxes then name their buttons themselves).
QTranslator* install_polish_translation(
    const QString& directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

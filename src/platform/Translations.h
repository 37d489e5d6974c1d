#pragma once

#include <QLocale>
#include <QString>

class QTranslator;

/// Corvane's translations travel inside the programs (:/translations/corvane_<language>.qm); the
/// one for the user's language is loaded at start, with Qt's own texts where the system has them.
namespace Translations {

/// Installs Corvane's translation for `locale` (the system's by default: LANGUAGE, LC_ALL,
/// LC_MESSAGES, LANG) into the running application. Returns it, owned by the application, or null
/// when English stays.
QTranslator* install(const QLocale& locale = QLocale::system());

/// Where Corvane's translation files are looked for.
QString folder();

}  // namespace Translations

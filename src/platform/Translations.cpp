#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Translations {

QString folder() {
    return QStringLiteral(":/translations");
}

QTranslator* install(const QLocale& locale) {
    auto* app = QCoreApplication::instance();
    if (!app) return nullptr;
    // Qt's own texts (standard buttons, file dialogs) where the system carries them.
    auto* qt = new QTranslator(app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    auto* own = new QTranslator(app);
    if (!own->load(locale, QStringLiteral("corvane"), QStringLiteral("_"), folder())) {
        delete own;
        return nullptr;
    }
    QCoreApplication::installTranslator(own);
    return own;
}

}  // namespace Translations

// corvane-texts: brings the translation files up to date with the texts in the sources.
//   corvane-texts SRC_DIR resources/translations/corvane_fr.ts ...
// New texts come in unfinished; a translator fills them in, and the translation test passes again.
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

#include "LocalizedTexts.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: corvane-texts SRC_DIR FILE.ts...\n");
        return 2;
    }
    const QList<LocalizedTexts::SourceText> texts = LocalizedTexts::scanFolder(args[0]);
    int status = 0;
    for (const QString& ts : args.mid(1)) {
        QString language;
        LocalizedTexts::readTs(ts, nullptr, &language);
        if (language.isEmpty()) language = QFileInfo(ts).completeBaseName().section(QLatin1Char('_'), 1);
        const int added = LocalizedTexts::updateTs(ts, texts, language);
        if (added < 0) {
            std::fprintf(stderr, "corvane-texts: %s could not be written\n", qUtf8Printable(ts));
            status = 1;
            continue;
        }
        std::printf("%s: %lld texts, %d new\n", qUtf8Printable(ts), static_cast<long long>(texts.size()),
                    added);
    }
    return status;
}

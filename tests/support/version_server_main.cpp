// corvane-version-server [--demo-document] FOLDER: serves FOLDER over HTTP on 127.0.0.1 and prints
// its address. With --demo-document it first writes FOLDER/product/corvaneVersion.plist, naming a
// version newer than this build, so the demo's update check has something to show.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "LoopbackHttpServer.h"
#include "VersionDocument.h"

namespace {

// This build's version with its second component one higher (0.1.0 → 0.2.0).
QString nextVersion() {
    QStringList parts = QStringLiteral(CORVANE_VERSION).split(QLatin1Char('.'));
    while (parts.size() < 3) parts << QStringLiteral("0");
    parts[1] = QString::number(parts[1].toInt() + 1);
    parts[2] = QStringLiteral("0");
    return parts.join(QLatin1Char('.'));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool demo = !args.isEmpty() && args.first() == QLatin1String("--demo-document");
    if (demo) args.removeFirst();
    if (args.size() != 1 || args.first().startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr, "usage: corvane-version-server [--demo-document] FOLDER\n");
        return 2;
    }
    const QString folder = QDir(args.first()).absolutePath();
    if (demo) {
        QDir().mkpath(folder + QStringLiteral("/product"));
        QFile doc(folder + QStringLiteral("/product/corvaneVersion.plist"));
        if (!doc.open(QIODevice::WriteOnly) ||
            doc.write(VersionDocument::xml(nextVersion(),
                                           QStringLiteral("*Faster trash scan on large volumes*Put back "
                                                          "keeps the original name*Fixes"))) < 0) {
            std::fprintf(stderr, "corvane-version-server: cannot write %s\n", qUtf8Printable(doc.fileName()));
            return 1;
        }
    }
    LoopbackHttpServer server;
    server.serveFolder(folder);
    if (!server.listen()) {
        std::fprintf(stderr, "corvane-version-server: cannot listen on 127.0.0.1\n");
        return 1;
    }
    std::printf("%s\n", qUtf8Printable(server.url(QStringLiteral("/")).toString()));
    std::fflush(stdout);
    return app.exec();
}

// corvane-sandbox DIR: builds the demo's mac-layout root in DIR and prints it.
#include "SandboxBuilder.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 || args[1].startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr, "usage: corvane-sandbox DIR\n");
        return 2;
    }
    SandboxBuilder builder(args[1]);
    builder.buildDemo();
    std::printf("%s\n", qUtf8Printable(builder.root()));
    return 0;
}

// corvane-sandbox DIR [CONFIG]: builds the demo's mac-layout root in DIR (and its settings with
// protection rules under CONFIG) and prints it.
#include "SandboxBuilder.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3 || args[1].startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr, "usage: corvane-sandbox DIR [CONFIG]\n");
        return 2;
    }
    SandboxBuilder builder(args[1]);
    builder.buildDemo(args.value(2));
    std::printf("%s\n", qUtf8Printable(builder.root()));
    return 0;
}

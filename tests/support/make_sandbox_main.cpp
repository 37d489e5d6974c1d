// corvane-sandbox DIR [CONFIG]: builds the demo's mac-layout root in DIR (and its settings with
// protection rules under CONFIG) and prints it. corvane-sandbox --linux DIR [CONFIG] builds the
// freedesktop-layout home (and its settings) instead.
#include <QCoreApplication>
#include <cstdio>

#include "SandboxBuilder.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    const bool linux = (args.size() == 3 || args.size() == 4) && args[1] == QLatin1String("--linux");
    if (linux) {
        SandboxBuilder builder(args[2]);
        builder.buildLinuxDemo(args.value(3));
        std::printf("%s\n", qUtf8Printable(builder.root()));
        return 0;
    }
    if (args.size() < 2 || args.size() > 3 || args[1].startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr, "usage: corvane-sandbox DIR [CONFIG] | corvane-sandbox --linux DIR [CONFIG]\n");
        return 2;
    }
    SandboxBuilder builder(args[1]);
    builder.buildDemo(args.value(2));
    std::printf("%s\n", qUtf8Printable(builder.root()));
    return 0;
}

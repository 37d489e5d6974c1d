// Firefox's "profiles.ini": the profile it chooses is inside the home, whatever the text says.
#include <QDir>

#include "FuzzSupport.h"
#include "cookies/CookieSources.h"
#include "platform/Paths.h"

namespace {

const MacPaths& layout() {
    static const MacPaths paths(FuzzSupport::scratchFolder(), QStringLiteral("fuzz"));
    return paths;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A profile folder and a link out of the home, for the checks that look at the disk.
    const QString folder = layout().userHome() + QStringLiteral("/.mozilla/firefox");
    QDir().mkpath(folder + QStringLiteral("/abc.default"));
    QFile::link(QStringLiteral("/"), folder + QStringLiteral("/out"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString folder = layout().userHome() + QStringLiteral("/.mozilla/firefox");
    QString refused;
    const QString chosen =
        CookieSources::profileFromIni(FuzzSupport::bytesOf(data, size), folder, layout(), &refused);
    if (chosen.isEmpty()) return 0;
    FUZZ_CHECK(refused.isEmpty());
    FUZZ_CHECK(chosen.startsWith(layout().userHome() + QLatin1Char('/')));
    FUZZ_CHECK(QDir::cleanPath(chosen) == chosen);
    return 0;
}

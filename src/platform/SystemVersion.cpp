#include "SystemVersion.h"

long SystemVersion::gestalt(const QString&, int*) const {
    return kUndefinedSelector;
}

VersionTriple SystemVersion::decodeBCD(int v) {
    VersionTriple t;
    t.major = ((v >> 12) & 15) * 10 + ((v >> 8) & 15);
    t.minor = (v >> 4) & 15;
    t.bugFix = v & 15;
    return t;
}

VersionTriple SystemVersion::query(long* error) const {
    if (error) *error = 0;
    int v = 0;
    long err = gestalt(QStringLiteral("sysv"), &v);
    if (err == 0) {
        if (v <= 0x103F) return decodeBCD(v);
        VersionTriple t;
        int parts[3] = {0, 0, 0};
        const char* selectors[3] = {"sys1", "sys2", "sys3"};
        for (int i = 0; i < 3 && err == 0; ++i) err = gestalt(QLatin1String(selectors[i]), &parts[i]);
        if (err == 0) {
            t.major = parts[0];
            t.minor = parts[1];
            t.bugFix = parts[2];
            return t;
        }
    }
    if (error) *error = err;
    return VersionTriple{10, 0, 0};
}

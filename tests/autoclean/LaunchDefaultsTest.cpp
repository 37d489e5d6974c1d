#include <gtest/gtest.h>

#include "autoclean/LaunchDefaults.h"
#include "platform/Defaults.h"
#include "support/TempRoot.h"

namespace {

// A start writes each absent value once and keeps every stored one, the tray program and the
// command line alike; the values are on disk afterwards.
TEST(LaunchDefaults, AbsentValuesAreWrittenStoredOnesKept) {
    const QDateTime now(QDate(2026, 12, 6), QTime(14, 3, 22), Qt::UTC);
    const QDateTime earlier = now.addDays(-40);
    struct Case {
        const char* name;
        QVariantMap stored;
        QDateTime lastClean;
        quint64 threshold;
        const char* tidy;
        const char* warning;
    };
    const Case cases[] = {
        {"first start", {}, now, 500000000u, "YES", "YES"},
        {"all stored",
         {{"LastCleanDate", earlier},
          {"TrashStorage", QVariant::fromValue<quint64>(7)},
          {"BAutoTidy", "NO"},
          {"BShowWarning", "NO"}},
         earlier,
         7u,
         "NO",
         "NO"},
        {"only the warning stored", {{"BShowWarning", "NO"}}, now, 500000000u, "YES", "NO"},
    };
    for (const Case& c : cases) {
        TempRoot root;
        const QString file = root.file(QStringLiteral("config/Corvane.conf"));
        {
            Defaults d(file);
            for (auto it = c.stored.cbegin(); it != c.stored.cend(); ++it) d.setObject(it.key(), it.value());
            LaunchDefaults::write(d, now);
        }
        Defaults reread(file);
        EXPECT_EQ(reread.dateForKey(QStringLiteral("LastCleanDate")), c.lastClean) << c.name;
        EXPECT_EQ(reread.unsignedForKey(QStringLiteral("TrashStorage")), c.threshold) << c.name;
        EXPECT_EQ(reread.stringForKey(QStringLiteral("BAutoTidy")), QLatin1String(c.tidy)) << c.name;
        EXPECT_EQ(reread.stringForKey(QStringLiteral("BShowWarning")), QLatin1String(c.warning)) << c.name;
    }
}

}  // namespace

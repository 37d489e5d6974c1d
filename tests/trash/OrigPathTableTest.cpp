#include <gtest/gtest.h>

#include <QStringList>

#include "trash/OrigPathTable.h"

namespace {

const QString kLone = QStringLiteral("half ") + QChar(0xD800) + QStringLiteral("z");  // a lone surrogate

OrigPathTable tableOf(const QStringList& paths) {
    OrigPathTable table;
    for (const QString& path : paths) table.append(path);
    return table;
}

TEST(OrigPathTable, TextsComeBackExactlyAndEachNameFindsItsFirstPath) {
    const QStringList paths = {
        "/Users/me/a.txt",                         // 0
        QStringLiteral("/Users/me/café.txt"),      // 1: Latin-1 beyond ASCII
        QStringLiteral("/Users/me/報告.txt"),      // 2: held as UTF-16
        QStringLiteral("/x/\U0001F389 party"),     // 3: a surrogate pair
        "/x/" + kLone,                             // 4: kept as it is, not repaired
        "/Users/me/folder/",                       // 5: named by the component before "/"
        "dup",                                     // 6: no "/" at all
        "/",                                       // 7
        "/Other/a.txt",                            // 8: a later path of a known name
        QStringLiteral("/報告/dup"),               // 9: "dup" came first without a folder
        "/Users/me/CAFÉ.txt",                      // 10
        QStringLiteral("/Users/me/folder/報告/"),  // 11: ends in "/" and is held as UTF-16
    };
    const OrigPathTable table = tableOf(paths);
    ASSERT_EQ(table.size(), paths.size());
    for (qsizetype i = 0; i < paths.size(); ++i) EXPECT_EQ(table.at(i), paths[i]) << i;

    const struct {
        QString name;
        qsizetype first;
    } cases[] = {{"a.txt", 0},
                 {QStringLiteral("café.txt"), 1},
                 {QStringLiteral("報告.txt"), 2},
                 {QStringLiteral("\U0001F389 party"), 3},
                 {kLone, 4},
                 {"folder", 5},
                 {"dup", 6},
                 {"/", 7},
                 {"CAFÉ.txt", 10},
                 {QStringLiteral("報告"), 11},
                 {"Café.txt", -1},  // names are told apart by case
                 {"a", -1},
                 {"txt", -1},
                 {"me", -1},
                 {"Users/me/a.txt", -1}};
    for (const auto& c : cases) EXPECT_EQ(table.firstNamed(c.name), c.first) << c.name.toStdString();
}

TEST(OrigPathTable, ManyPathsKeepTheirFirstNamesThroughGrowthAndJoining) {
    // Names repeat across folders, so the index grows many times over paths it must skip.
    QStringList paths;
    for (int i = 0; i < 20000; ++i) paths << QStringLiteral("/f%1/n%2").arg(i / 7000).arg(i % 7000);
    OrigPathTable table = tableOf(paths.mid(0, 9000));
    table.append(tableOf(paths.mid(9000)));
    ASSERT_EQ(table.size(), paths.size());
    int wrong = 0;
    for (int i = 0; i < paths.size(); ++i) wrong += table.at(i) != paths[i];
    for (int n = 0; n < 7000; ++n) wrong += table.firstNamed(QStringLiteral("n%1").arg(n)) != n;
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(table.firstNamed(u"n7000"), -1);

    table.clear();
    EXPECT_TRUE(table.isEmpty());
    EXPECT_EQ(table.firstNamed(u"n1"), -1);
    table.append(u"/again/n1");
    EXPECT_EQ(table.firstNamed(u"n1"), 0);
}

}  // namespace

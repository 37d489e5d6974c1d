#include <gtest/gtest.h>

#include "core/TextPool.h"

TEST(TextPool, EqualTextsShareOneTightCopyThatAChangedRecordLetsGo) {
    TextPool pool(2);
    QString first = QString::fromLatin1("1.50") + QLatin1String("KB");  // built, with spare room
    QString second = QString::fromLatin1("1.5") + QLatin1String("0KB");
    pool.share(first);
    pool.share(second);
    EXPECT_EQ(first.constData(), second.constData());
    EXPECT_EQ(first.capacity(), first.size());
    second[0] = QLatin1Char('9');  // one record's text changed: the others keep theirs
    EXPECT_EQ(first, QLatin1String("1.50KB"));
    // Past its limit the pool starts afresh; a null text stays null.
    for (const char* text : {"a", "b", "c"}) EXPECT_EQ(pool.shared(QLatin1String(text)), QLatin1String(text));
    EXPECT_TRUE(pool.shared(QString()).isNull());
}

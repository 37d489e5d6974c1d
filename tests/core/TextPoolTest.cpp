#include <gtest/gtest.h>

#include "core/TextPool.h"

namespace {

// Texts built at run time, as a listing builds its size texts.
QString built(const char* head, const char* tail) {
    return QString::fromLatin1(head) + QString::fromLatin1(tail);
}

TEST(TextPool, EqualTextsShareOneTightCopyAndAChangedOneLeavesTheOthers) {
    TextPool pool(2);
    QString first = built("1.50", "KB");
    first.reserve(64);
    QString second = built("1.5", "0KB");
    pool.share(first);
    pool.share(second);
    EXPECT_EQ(first.constData(), second.constData());
    EXPECT_EQ(first.capacity(), first.size());

    // One record's text changed in place (a folder measured anew): the others keep theirs.
    second[0] = QLatin1Char('9');
    EXPECT_EQ(first, QLatin1String("1.50KB"));
    EXPECT_EQ(pool.shared(built("1.50", "KB")), QLatin1String("1.50KB"));

    // Past its limit the pool starts afresh: texts still come back as they went in.
    for (const char* tail : {"a", "b", "c", "d"}) EXPECT_EQ(pool.shared(built("x", tail)), built("x", tail));
    EXPECT_TRUE(pool.shared(QString()).isNull());
}

}  // namespace

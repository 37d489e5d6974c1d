// Exports written piece by piece: the target is replaced whole or not at all, never through a link.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include "core/fs/OpenFolder.h"
#include "core/fs/StreamedFile.h"
#include "support/TempRoot.h"

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
}

TEST(StreamedFile, ReplacesTheTargetWholeOrNotAtAll) {
    TempRoot root;
    const QString target = root.file("out.txt");
    const QString elsewhere = root.file("elsewhere.txt");
    struct Case {
        const char* what;
        bool linkAtTarget;
        bool commit;
        QByteArray expected;
    };
    const Case cases[] = {{"committed", false, true, QByteArray(200000, 'x') + "end"},
                          {"abandoned", false, false, "old"},
                          {"a link at the name", true, true, QByteArray(200000, 'x') + "end"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(target);
        QFile old(c.linkAtTarget ? elsewhere : target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly | QIODevice::Truncate));
        old.write("old");
        old.close();
        if (c.linkAtTarget) {
            ASSERT_EQ(
                ::symlink(QFile::encodeName(elsewhere).constData(), QFile::encodeName(target).constData()),
                0);
        }
        {
            const OpenFolder folder = OpenFolder::openChosen(root.path());
            StreamedFile file(folder, "out.txt", 0600);
            ASSERT_TRUE(file.isOpen());
            for (int i = 0; i < 200; ++i) EXPECT_TRUE(file.write(QByteArray(1000, 'x')));  // past the buffer
            EXPECT_TRUE(file.write("end"));
            if (c.commit) {
                EXPECT_TRUE(file.commit());
            }
        }
        EXPECT_EQ(contents(target), c.expected);
        if (c.linkAtTarget) {
            EXPECT_EQ(contents(elsewhere), "old");  // not written through
        }
        struct stat st;
        ASSERT_EQ(::lstat(QFile::encodeName(target).constData(), &st), 0);
        EXPECT_EQ(c.commit ? int(st.st_mode & 0777) : -1, c.commit ? 0600 : -1);
    }
}

}  // namespace

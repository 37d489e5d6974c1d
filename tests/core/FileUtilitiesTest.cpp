#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "core/FileUtilities.h"
#include "support/SandboxBuilder.h"
#include "support/TempRoot.h"

namespace {

TEST(SizeText, BoundariesOfBothVariants) {
    struct Case {
        quint64 bytes;
        const char* two;
        const char* one;
    };
    const Case cases[] = {
        {0, "0.00bytes", "0.0bytes"},
        {999, "999.00bytes", "999.0bytes"},
        {1000, "1.00KB", "1.0KB"},
        {1500, "1.50KB", "1.5KB"},
        {999999, "1000.00KB", "1000.0KB"},  // rounding does not step the unit up
        {1000000, "1.00MB", "1.0MB"},
        {1234567, "1.23MB", "1.2MB"},
        {500000000, "500.00MB", "500.0MB"},
        {999999999, "1000.00MB", "1000.0MB"},
        {1000000000, "1.00GB", "1.0GB"},
        {999999999999ULL, "1000.00GB", "1000.0GB"},
        {1000000000000ULL, "1.00TB", "1.0TB"},
        {99999999997952ULL, "100.00TB", "100.0TB"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileUtilities::size_to_unit(c.bytes), QLatin1String(c.two)) << c.bytes;
        EXPECT_EQ(FileUtilities::size_to_unit_1(c.bytes), QLatin1String(c.one)) << c.bytes;
    }
    // The terabyte test is a shift: 244140624 << 12 is still gigabytes, one more block is not.
    EXPECT_TRUE(FileUtilities::size_to_unit((244140624ULL << 12) + 4095).endsWith(QLatin1String("GB")));
    EXPECT_TRUE(FileUtilities::size_to_unit(244140625ULL << 12).endsWith(QLatin1String("TB")));
}

TEST(AccessText, LongAndShortForms) {
    TempRoot root;
    SandboxBuilder s(root.path());
    const QString folder = s.makeFolder(QStringLiteral("f755"));
    const QString file = s.writeFile(QStringLiteral("f644"), "x");
    const QString privateFolder = s.makeFolder(QStringLiteral("f700"));
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    ::chmod(QFile::encodeName(file).constData(), 0644);
    ::chmod(QFile::encodeName(privateFolder).constData(), 0700);
    EXPECT_EQ(FileUtilities::getFilePermissionwithPath(folder), QStringLiteral("493(drwxrxrx)"));
    EXPECT_EQ(FileUtilities::getFilePermissionwithPath(file), QStringLiteral("420(rwrr)"));
    EXPECT_EQ(FileUtilities::getFilePermissionwithPath(privateFolder), QStringLiteral("448(drwx--)"));
    EXPECT_EQ(FileUtilities::getShortFilePermissionwithPath(privateFolder), QStringLiteral("drwx------"));
    EXPECT_EQ(FileUtilities::getShortFilePermissionwithPath(folder), QStringLiteral("drwxr-xr-x"));
    EXPECT_EQ(FileUtilities::getShortFilePermissionwithPath(file), QStringLiteral("-rw-r--r--"));

    // A link to a folder is described as the link: no "d".
    const QString link = root.file(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(folder, link));
    EXPECT_FALSE(FileUtilities::getFilePermissionwithPath(link).contains(QLatin1String("(d")));
    EXPECT_TRUE(FileUtilities::getShortFilePermissionwithPath(link).startsWith(QLatin1Char('-')));

    EXPECT_TRUE(FileUtilities::getFilePermissionwithPath(root.file(QStringLiteral("missing"))).isNull());
    // Special bits count in the number but not in the letters.
    EXPECT_EQ(FileUtilities::longPermissionText(S_IFDIR | 01777), QStringLiteral("1023(drwxrwxrwx)"));
}

TEST(DuOutput, LeadingNumberOfTheRawBytes) {
    EXPECT_EQ(FileUtilities::parseDuOutput("12\t/some/path\n"), 12288u);
    EXPECT_EQ(FileUtilities::parseDuOutput("12\t/Users/me/R\xc3\xa9sum\xc3\xa9 folder\n"), 12288u);
    EXPECT_EQ(FileUtilities::parseDuOutput("12\t/bad \xff\xfe bytes\n"), 12288u);
    EXPECT_EQ(FileUtilities::parseDuOutput("\t7\tx"), 7168u);
    EXPECT_EQ(FileUtilities::parseDuOutput(" 7\tx"),
              0u);  // the first piece is the text before the first space
    EXPECT_EQ(FileUtilities::parseDuOutput("du: cannot read\n"), 0u);
    EXPECT_EQ(FileUtilities::parseDuOutput(""), 0u);
    EXPECT_EQ(FileUtilities::parseDuOutput("99999999999999999999999\t/x"), 0u);  // no such size
}

}  // namespace

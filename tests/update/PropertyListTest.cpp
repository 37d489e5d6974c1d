#include <gtest/gtest.h>

#include <QDateTime>

#include "support/VersionDocument.h"
#include "update/PRUpdateController.h"
#include "update/PropertyList.h"

namespace {

QByteArray plist(const QByteArray& inner) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">" + inner + "</plist>";
}

void putBigEndian(QByteArray& b, qsizetype at, quint64 v, int width) {
    for (int i = width - 1; i >= 0; --i, v >>= 8) b[at + i] = static_cast<char>(v & 0xff);
}

}  // namespace

TEST(PropertyList, XmlDocumentsAndWhatIsNotOne) {
    struct Case {
        const char* what;
        QByteArray body;
        QVariantMap expected;  ///< empty: not a dictionary
    };
    const QVariantMap both{{"lastestVersion", "1.0.4"}, {"WhatsNew", "*Faster scan*Fixes"}};
    const Case cases[] = {
        {"the published form", VersionDocument::xml("1.0.4", "*Faster scan*Fixes"), both},
        {"other value types beside the strings",
         plist("<dict><key>lastestVersion</key><string>2.0</string><key>n</key><integer>-7</integer>"
               "<key>r</key><real>1.5</real><key>t</key><true/><key>a</key><array><string>x</string>"
               "<dict/></array><key>d</key><data>AAE=</data></dict>"),
         {{"lastestVersion", "2.0"},
          {"n", qint64(-7)},
          {"r", 1.5},
          {"t", true},
          {"a", QVariantList{"x", QVariantMap()}},
          {"d", QByteArray("\x00\x01", 2)}}},
        {"entities and the first of two equal keys",
         plist("<dict><key>k</key><string>a &amp; b</string><key>k</key><string>later</string></dict>"),
         {{"k", "a & b"}}},
        {"an HTML error page", "<html><body><h1>404 Not Found</h1></body></html>", {}},
        {"an empty body", "", {}},
        {"cut short", VersionDocument::xml("1.0.4", "x").left(90), {}},
        {"an array at the top", plist("<array><string>1.0</string></array>"), {}},
        {"a key without a value", plist("<dict><key>lastestVersion</key></dict>"), {}},
        {"a value without a key", plist("<dict><string>1.0</string></dict>"), {}},
        {"loose text in a dictionary", plist("<dict>junk<key>k</key><string>v</string></dict>"), {}},
        {"two top values", plist("<dict/><dict/>"), {}},
        {"an unknown element", plist("<dict><key>k</key><blob>v</blob></dict>"), {}},
        {"a bad integer", plist("<dict><key>k</key><integer>12x</integer></dict>"), {}},
        {"a string holding an element", plist("<dict><key>k</key><string>a<b/></string></dict>"), {}},
    };
    for (const Case& c : cases) {
        const QVariantMap got = PropertyList::readDictionary(c.body);
        EXPECT_EQ(got, c.expected) << c.what;
    }
    // Nesting far past any document's ends in nothing rather than a deep recursion.
    const QByteArray deep =
        plist(QByteArray("<array>").repeated(5000) + QByteArray("</array>").repeated(5000));
    EXPECT_FALSE(PropertyList::read(deep).isValid());
}

TEST(PropertyList, BinaryDocumentsAreReadAndDamagedOnesGiveNothing) {
    const QList<QPair<QString, QString>> entries{{"lastestVersion", "1.0.4"},
                                                 {"WhatsNew", "*Faster scan*Fixes"}};
    const QByteArray good = VersionDocument::binary(entries);
    const auto layout = VersionDocument::binaryLayout(good);
    const QVariantMap expected{{"lastestVersion", "1.0.4"}, {"WhatsNew", "*Faster scan*Fixes"}};
    ASSERT_EQ(PropertyList::readDictionary(good), expected);
    // Wider offsets and references, and a string that needs UTF-16.
    EXPECT_EQ(PropertyList::readDictionary(
                  VersionDocument::binary({{"WhatsNew", "Schnellere Suche · 速い"}}, 2, 2)),
              (QVariantMap{{"WhatsNew", "Schnellere Suche · 速い"}}));

    struct Case {
        const char* what;
        std::function<void(QByteArray&)> damage;
    };
    const qsizetype t = layout.trailer;
    const Case cases[] = {
        {"another header", [](QByteArray& b) { b[7] = '1'; }},
        {"offset width 0", [t](QByteArray& b) { b[t + 6] = 0; }},
        {"offset width 9", [t](QByteArray& b) { b[t + 6] = 9; }},
        {"reference width 0", [t](QByteArray& b) { b[t + 7] = 0; }},
        {"no objects", [t](QByteArray& b) { putBigEndian(b, t + 8, 0, 8); }},
        {"more objects than the table holds", [t](QByteArray& b) { putBigEndian(b, t + 8, 1000, 8); }},
        {"an object count that overflows", [t](QByteArray& b) { putBigEndian(b, t + 8, ~0ull, 8); }},
        {"top object past the last", [t](QByteArray& b) { putBigEndian(b, t + 16, 5, 8); }},
        {"offset table past the end", [t](QByteArray& b) { putBigEndian(b, t + 24, 1u << 30, 8); }},
        {"offset table inside the header", [t](QByteArray& b) { putBigEndian(b, t + 24, 3, 8); }},
        {"an object offset into the table",
         [&](QByteArray& b) { b[layout.offsetTable + 1] = char(layout.offsetTable); }},
        {"an object offset into the header", [&](QByteArray& b) { b[layout.offsetTable + 2] = 2; }},
        {"a reference past the last object", [](QByteArray& b) { b[9] = 99; }},
        {"a key that is not a string", [](QByteArray& b) { b[9] = 0; }},  // the dictionary itself
        {"a string longer than the file",
         [](QByteArray& b) { putBigEndian(b, b.indexOf("*Faster") - 2, 0xFFFF, 2); }},
        {"a length that is no integer", [](QByteArray& b) { b[b.indexOf("*Faster") - 3] = 0x21; }},
        {"a count that claims 2^63 entries",
         [](QByteArray& b) {
             // Dictionary marker with an extended count of eight bytes, over the first references.
             b[8] = char(0xDF);
             b[9] = 0x13;
             putBigEndian(b, 10, 1ull << 62, 8);
         }},
        {"a dictionary that contains itself",
         [](QByteArray& b) { b[11] = 0; }},  // the first value refers to object 0
        {"an unknown marker", [&](QByteArray& b) { b[b.indexOf("1.0.4") - 1] = char(0x70); }},
    };
    for (const Case& c : cases) {
        QByteArray bad = good;
        c.damage(bad);
        EXPECT_TRUE(PropertyList::readDictionary(bad).isEmpty()) << c.what;
    }
    // Cut anywhere, the file says nothing.
    for (qsizetype n = 0; n < good.size(); ++n)
        EXPECT_TRUE(PropertyList::readDictionary(good.left(n)).isEmpty()) << "cut at " << n;
}

TEST(PropertyList, BinaryArraysThatShareOrCycleEndQuickly) {
    // Object i (0..39) is an array of two references to object i+1; object 40 is an empty array.
    // Decoded naively that is 2^40 visits; a cycle is object 40 pointing back at object 0.
    auto build = [](bool cycle) {
        QByteArray b = "bplist00";
        QList<int> offsets;
        for (int i = 0; i < 40; ++i) {
            offsets << b.size();
            b += char(0xA2);
            b += char(i + 1);
            b += char(i + 1);
        }
        offsets << b.size();
        b += cycle ? QByteArray("\xA1\x00", 2) : QByteArray("\xA0", 1);
        const int table = b.size();
        for (int off : offsets) b += char(off);
        b += QByteArray(6, '\0');
        b += char(1);
        b += char(1);
        QByteArray tail(24, '\0');
        putBigEndian(tail, 0, 41, 8);
        putBigEndian(tail, 16, table, 8);
        return b + tail;
    };
    EXPECT_FALSE(PropertyList::read(build(false)).isValid());
    EXPECT_FALSE(PropertyList::read(build(true)).isValid());
}

TEST(UpdateCompare, DottedVersionsCompareComponentByComponent) {
    struct Case {
        const char* a;
        const char* b;
        bool newer;
    };
    const Case cases[] = {
        {"1.2.1", "1.2.0", true},  {"1.2.0", "1.2.1", false},  {"1.10", "1.9", true},
        {"2.0", "1.9.9", true},    {"1.9.9", "2.0", false},    {"1.0", "1.0.0", false},
        {"1.0.0", "1.0", false},   {"1.0.1", "1.0", true},     {"1.0.4", "1.0.3", true},
        {"1.0.3", "1.0.3", false}, {"", "0.1", false},         {"0.1", "", true},
        {"abc", "0", false},       {"1.2b", "1.2", false},     {"1.3b", "1.2", true},
        {" 1.1", "1.0", true},     {"1.0.4\n", "1.0.3", true}, {"99999999999.0", "2147483647.1", false},
        {"-1", "0", false},        {"1..2", "1.0.1", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PRUpdateController::CompareOneString(QString::fromUtf8(c.a), QString::fromUtf8(c.b)),
                  c.newer)
            << c.a << " vs " << c.b;
    EXPECT_FALSE(PRUpdateController::CompareOneString(QString(), QString()));
}

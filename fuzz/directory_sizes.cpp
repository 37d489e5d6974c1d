// The size cache of a Trash folder: any text loads, and what is written back loads to the same
// entries.
#include <algorithm>

#include "FuzzSupport.h"
#include "trash/DirectorySizes.h"

namespace {

QList<QByteArray> sortedLines(const QByteArray& text) {
    QList<QByteArray> lines = text.split('\n');
    lines.removeAll(QByteArray());
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DirectorySizes sizes(QStringLiteral("/nonexistent"));
    sizes.loadText(FuzzSupport::bytesOf(data, size));
    const QByteArray written = sizes.text();
    DirectorySizes reread(QStringLiteral("/nonexistent"));
    reread.loadText(written);
    FUZZ_CHECK(reread.size() == sizes.size());
    FUZZ_CHECK(sortedLines(reread.text()) == sortedLines(written));
    return 0;
}

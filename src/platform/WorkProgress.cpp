#include "WorkProgress.h"

#include <QLocale>
#include <QStringList>
#include <limits>

#include "core/Localized.h"
#include "core/fs/FsMove.h"
#include "core/fs/FsTree.h"

namespace {

QString sizeText(quint64 bytes) {
    return QLocale().formattedDataSize(
        qint64(qMin<quint64>(bytes, quint64(std::numeric_limits<qint64>::max()))), 1,
        QLocale::DataSizeTraditionalFormat);
}

}  // namespace

QString WorkProgress::text(const QString& what, int done, int total, quint64 files, quint64 bytes,
                           quint64 bytesTotal, bool stopping) {
    if (stopping) return localized("%1 — stopping after the current item…").arg(what);
    const QLocale locale;
    QStringList parts;
    // One item is the whole work: its count says nothing the files and bytes don't.
    if (total > 1)
        parts << localized("%1 of %2 items").arg(locale.toString(qMin(done, total)), locale.toString(total));
    else if (total <= 0 && done > 0)
        parts << localized("%1 items").arg(locale.toString(done));
    parts << (files == 1 ? localized("1 file") : localized("%1 files").arg(locale.toString(files)));
    if (bytesTotal > 0)
        parts << localized("%1 of %2").arg(sizeText(qMin(bytes, bytesTotal)), sizeText(bytesTotal));
    else
        parts << sizeText(bytes);
    return what + QStringLiteral(" — ") + parts.join(QStringLiteral(", "));
}

QPair<int, int> WorkProgress::bar(int done, int total, quint64 bytes, quint64 bytesTotal) {
    if (bytesTotal > 0) return {int(qMin(bytes, bytesTotal) * BarSteps / bytesTotal), BarSteps};
    if (total > 0) return {qBound(0, done, total), total};
    return {0, 0};
}

FsTree::Options WorkProgress::treeOptions() {
    FsTree::Options options;
    options.cancel = &cancel;
    options.files = &files;
    options.bytes = &bytes;
    return options;
}

FsMove::Progress WorkProgress::moveProgress() {
    return {&files, &bytes};
}

#include "SecureEraser.h"

#include "core/fs/OpenFolder.h"
#include "platform/Localized.h"

QString SecureEraser::listText(const QStringList& paths) {
    QString text;
    for (const QString& path : paths) text = text + QStringLiteral(" \n ") + FsName::displayText(path);
    return text;
}

FsTree::Report SecureEraser::eraseItems(const QStringList& paths, const FsTree::Options& options) const {
    FsTree::Report total;
    total.gone = true;
    for (const QString& given : paths) {
        if (options.cancel && options.cancel->load()) {
            total.cancelled = true;
            total.gone = false;
            break;
        }
        QString path = given;
        while (path.size() > 1 && path.endsWith(QLatin1Char('/'))) path.chop(1);
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        const QByteArray name = FsName::toBytes(path.mid(slash + 1));
        QString why;
        const FsScope scope = FsScope::chosenItem(path, m_limits, &why);
        if (!scope.isValid()) {
            // Gone already, or nothing an erase may touch.
            const OpenFolder parent =
                slash < 0 ? OpenFolder() : OpenFolder::openChosen(path.left(qMax<qsizetype>(slash, 1)));
            if (parent.isOpen() && !parent.has(name)) continue;
            total.problems << FsName::displayText(path) + QStringLiteral(": ") + why;
            total.gone = false;
            continue;
        }
        if (!scope.folder().has(name)) continue;  // gone already
        const FsTree::Report report = FsTree::erase(scope.folder(), name, options);
        total.removed += report.removed;
        total.overwritten += report.overwritten;
        total.problems += report.problems;
        total.gone = total.gone && report.gone;
        if (report.cancelled) {
            total.cancelled = true;
            break;
        }
    }
    return total;
}

QString SecureEraser::problemsText(const FsTree::Report& report) {
    if (report.problems.isEmpty() && report.gone) return QString();
    QStringList lines = report.problems;
    constexpr qsizetype Shown = 20;
    if (lines.size() > Shown) {
        const qsizetype more = lines.size() - Shown;
        lines = lines.mid(0, Shown);
        lines << localized("… and %1 more.").arg(more);
    }
    return lines.join(QLatin1Char('\n'));
}

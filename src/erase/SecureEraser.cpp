#include "SecureEraser.h"

#include <QDir>

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
        const QString folder = slash < 0    ? QDir::currentPath()
                               : slash == 0 ? QStringLiteral("/")
                                            : path.left(slash);
        const QByteArray name = FsName::toBytes(path.mid(slash + 1));
        const OpenFolder parent = OpenFolder::openChosen(folder);
        if (!parent.isOpen() || !parent.has(name)) continue;  // gone already
        const FsTree::Report report = FsTree::erase(parent, name, options);
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

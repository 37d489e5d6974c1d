#include "SnapshotWriter.h"

#include "AppDelegate.h"
#include "MainWindow.h"
#include "PopoverWindow.h"
#include "StatusItem.h"

#include <QApplication>
#include <QDir>
#include <QLayout>
#include <QMenu>
#include <QPixmap>
#include <QWidget>

namespace {

void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

bool save(QWidget* w, const QString& path) {
    w->ensurePolished();
    if (w->layout()) w->layout()->activate();
    return w->grab().save(path, "PNG");
}

}  // namespace

QStringList SnapshotWriter::writeAll(AppDelegate& app, const QString& folder, QString* error) {
    QStringList written;
    if (!QDir().mkpath(folder)) {
        if (error) *error = QStringLiteral("cannot create %1").arg(folder);
        return written;
    }
    const QDir dir(folder);
    for (const auto& [name, widget] : app.topLevelWindows()) {
        const bool wasVisible = widget->isVisible();
        widget->show();
        settle();
        const QString path = dir.filePath(name + QStringLiteral(".png"));
        if (save(widget, path)) written << path;
        if (!wasVisible) widget->hide();
    }

    if (QMenu* menu = app.statusItem() ? app.statusItem()->baMenu() : nullptr) {
        menu->adjustSize();
        menu->popup(QPoint(0, 0));
        settle();
        const QString path = dir.filePath(QStringLiteral("baMenu.png"));
        if (save(menu, path)) written << path;
        menu->hide();
    }

    app.ClickStateBanner(QRect());
    settle();
    if (app.thePopover) {
        const QString path = dir.filePath(QStringLiteral("popover.png"));
        if (save(app.thePopover, path)) written << path;
        app.thePopover->close();
        settle();
    }
    if (written.isEmpty() && error) *error = QStringLiteral("nothing could be written to %1").arg(folder);
    return written;
}

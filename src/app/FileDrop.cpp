#include "FileDrop.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

FileDrop::FileDrop(std::function<void(const QStringList& paths)> take, QObject* parent)
    : QObject(parent), m_take(std::move(take)) {}

void FileDrop::watch(QWidget* window) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

QStringList FileDrop::localFiles(const QMimeData* mime) {
    QStringList paths;
    if (!mime || !mime->hasUrls()) return paths;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    return paths;
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::DragEnter) {
        auto* e = static_cast<QDragEnterEvent*>(event);
        if (localFiles(e->mimeData()).isEmpty()) return false;
        e->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* e = static_cast<QDropEvent*>(event);
        const QStringList paths = localFiles(e->mimeData());
        if (paths.isEmpty()) return false;
        e->acceptProposedAction();
        // Taken after the drop has finished, not inside the drag's own loop.
        QTimer::singleShot(0, this, [this, paths] { m_take(paths); });
        return true;
    }
    return QObject::eventFilter(watched, event);
}

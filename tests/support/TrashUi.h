#pragma once

// Helpers for tests that drive the trash window of a launched application.
#include <gtest/gtest.h>

#include <QDir>
#include <QSignalSpy>
#include <QTableView>

#include "app/AppDelegate.h"
#include "trash/TrashBrowser.h"
#include "trash/TrashTableModel.h"
#include "trash/TrashWindow.h"

namespace TrashUi {

inline QStringList namesIn(const QString& folder) {
    QStringList n = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    n.sort();
    return n;
}

inline void scan(AppDelegate& app) {
    QSignalSpy done(app.trashBrowser(), &TrashBrowser::scanFinished);
    app.trashBrowser()->ScanUserTrashFile();
    ASSERT_TRUE(done.wait(30000));
}

inline int rowOf(AppDelegate& app, const QString& name) {
    TrashTableModel* m = app.trashBrowser()->tableModel();
    for (int r = 0; r < m->rowCount(); ++r)
        if (m->itemAt(r)->theFileName == name) return r;
    return -1;
}

// Runs a table action (it works on a worker) and waits until it is over.
template <typename Action>
inline void actAndWait(AppDelegate& app, Action action) {
    QSignalSpy finished(app.trashBrowser(), &TrashBrowser::actionFinished);
    (app.*action)();
    ASSERT_TRUE(finished.wait(60000));
}

inline void selectRows(AppDelegate& app, const QStringList& names) {
    QTableView* table = app.trashBrowser()->window()->findChild<QTableView*>("theTableView");
    for (const QString& n : names)
        table->selectionModel()->select(app.trashBrowser()->tableModel()->index(rowOf(app, n), 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

}  // namespace TrashUi

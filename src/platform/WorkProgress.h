#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QtGlobal>
#include <atomic>

namespace FsTree {
struct Options;
}
namespace FsMove {
struct Progress;
}

/// How far one piece of work has got, shared by the worker that does it and the window that shows
/// it. The worker writes `done` (and `total` when it knows it), and `files` and `bytes` as the file
/// layer handles the entries inside each item; the window reads them and sets `cancel`, which the
/// worker checks between entries.
struct WorkProgress {
    std::atomic_int done{0};
    std::atomic_int total{0};  ///< 0 while the number of items is not known
    std::atomic<quint64> files{0};
    std::atomic<quint64> bytes{0};
    /// Set beforehand when the bytes to handle are known without a walk (the Trash listing's sizes);
    /// 0 when not known.
    std::atomic<quint64> bytesTotal{0};
    std::atomic_bool cancel{false};

    /// The sizes of the items, in order, when the caller knows them beforehand (the Trash listing's
    /// sizes). Set before the worker starts and only read after.
    QList<quint64> itemBytes;

    /// Sets `itemBytes`, and `bytesTotal` to their sum.
    void setItemBytes(const QList<quint64>& sizes) {
        itemBytes = sizes;
        quint64 sum = 0;
        for (quint64 size : sizes) sum += size;
        bytesTotal = sum;
    }
    /// The worker is done with item `index`, `bytesBefore` being `bytes` when it began: counts the
    /// item, and when it went `whole`, raises `bytes` to at least its listed size past
    /// `bytesBefore` (a rename moves a folder at once and counts nothing on the way).
    void itemDone(qsizetype index, quint64 bytesBefore, bool whole) {
        if (whole && index >= 0 && index < itemBytes.size()) {
            const quint64 atLeast = bytesBefore + itemBytes[index];
            quint64 now = bytes.load();
            while (now < atLeast && !bytes.compare_exchange_weak(now, atLeast)) {
            }
        }
        ++done;
    }

    /// Options for the file layer that count into this progress and stop on its cancel flag.
    FsTree::Options treeOptions();
    /// Counters for a move that count into this progress.
    FsMove::Progress moveProgress();

    /// The counter line a window shows: `what` ("Deleting"), then items, files and bytes, e.g.
    /// "Deleting — 2 of 5 items, 1,204 files, 312 MB of 1.2 GB".
    static QString text(const QString& what, int done, int total, quint64 files, quint64 bytes,
                        quint64 bytesTotal, bool stopping);
    /// The same for this progress as it is now.
    QString text(const QString& what) const {
        return text(what, done, total, files, bytes, bytesTotal, cancel);
    }
    /// Where a bar stands, as (value, maximum): by bytes out of `BarSteps` when their total is known,
    /// else by items out of `total`; a maximum of 0 when neither total is known (a busy bar).
    static constexpr int BarSteps = 1000;
    static QPair<int, int> bar(int done, int total, quint64 bytes, quint64 bytesTotal);
};

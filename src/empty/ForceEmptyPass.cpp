#include "ForceEmptyPass.h"

#include <QDebug>

#include "core/FileUtilities.h"
#include "core/fs/FsScope.h"
#include "core/fs/FsTree.h"
#include "core/fs/LockedFlags.h"
#include "platform/Paths.h"
#include "platform/Workspace.h"
#include "trash/PutBackReader.h"
#include "trash/TrashStore.h"

ForceEmptyPass::ForceEmptyPass(std::shared_ptr<const Paths> paths,
                               std::shared_ptr<const SystemCommands> commands,
                               std::shared_ptr<TrashOrigPaths> origPaths,
                               std::shared_ptr<const Workspace> workspace, Hooks hooks)
    : m_paths(std::move(paths)),
      m_store(TrashStore::forPaths(m_paths)),
      m_commands(std::move(commands)),
      m_origPaths(std::move(origPaths)),
      m_workspace(std::move(workspace)),
      m_hooks(std::move(hooks)) {}

int ForceEmptyPass::ForceEmptyTrashFileThreader() {
    // The location rules need each item's original place as it is now: the list the trash window
    // shows may be hours old and miss what was trashed since. Without rules nothing needs it.
    if (m_hooks.hasRules && m_hooks.hasRules()) m_store->readPutBack(*m_origPaths);
    int failures = 0;
    if (emptyUserTrash()) {
        ++failures;
        if (m_hooks.permissionAlert) m_hooks.permissionAlert();
    }
    if (!cancelled() && emptyVolumeTrashes()) {
        ++failures;
        if (m_hooks.permissionAlert) m_hooks.permissionAlert();
    }
    if (m_hooks.finished) m_hooks.finished();
    return failures;
}

bool ForceEmptyPass::cancelled() const {
    return m_hooks.cancel && m_hooks.cancel->load();
}

bool ForceEmptyPass::emptyUserTrash() {
    // Opened without following a link at any step: a Trash (or anything above it) that is a link
    // is left alone.
    const FsScope scope = FsScope::trash(m_paths->userTrash(), m_paths->scopeLimits());
    const ScopedFolder& trash = scope.folder();
    if (!trash.isOpen()) return false;
    LockedFlags::clear(trash.folder().fd());
    const bool keepRecords = m_hooks.hasRules && m_hooks.hasRules();
    bool failed = false;
    QSet<QByteArray> removed;
    FsTree::Options options;
    options.clearLockedFlags = true;
    options.cancel = m_hooks.cancel;
    for (const QByteArray& name : trash.folder().names()) {
        if (cancelled()) break;
        if (keepRecords && m_store->isRecordsEntry(name))
            continue;  // the put-back records of protected items
        if (m_hooks.isProtected && m_hooks.isProtected(trash.pathOf(name))) continue;
        const FsTree::Report report = FsTree::remove(trash, name, options);
        if (report.gone) removed.insert(name);
        if (!report.gone && !report.cancelled) failed = true;
        progress(1);
    }
    // The records of what was removed go too; protected and stubborn items keep theirs, and so
    // does a record whose item another program is moving in right now.
    m_store->tidyAfterEmptying(m_paths->userTrash(), removed);
    return failed;
}

bool ForceEmptyPass::emptyVolumeTrashes() {
    bool failed = false;
    const QStringList volumes =
        m_workspace ? m_workspace->mountedLocalVolumePaths() : m_paths->mountedLocalVolumePaths();
    FsTree::Options options;
    options.clearLockedFlags = true;
    options.cancel = m_hooks.cancel;
    const ScopeLimits limits = m_paths->scopeLimits();
    for (const QString& volume : volumes) {
        if (!m_paths->visitsVolumeTrash(volume)) continue;
        for (const QString& folder : m_paths->volumeTrashFolders(volume)) {
            // A volume's Trash must be the user's own (or root's) all the way down, with no link;
            // another's folder, or one anyone may change, is not emptied by this user.
            QString why;
            const FsScope scope = FsScope::trash(folder, limits, &why);
            const ScopedFolder& trash = scope.folder();
            if (!trash.isOpen()) {
                if (!why.isEmpty() && FileUtilities::somethingAt(folder))
                    qInfo().noquote() << "left alone:" << why;
                continue;
            }
            QSet<QByteArray> removed;
            for (const FsEntry& entry : trash.folder().entries()) {
                if (cancelled()) return failed;
                if (m_store->isRecordsEntry(entry.name)) continue;
                if (FileUtilities::longPermissionText(entry.st.st_mode) != QLatin1String(KeptOnVolumes)) {
                    if (FsTree::remove(trash, entry.name, options).gone)
                        removed.insert(entry.name);
                    else
                        failed = true;
                } else {
                    failed = true;
                }
                progress(1);
            }
            m_store->tidyAfterEmptying(folder, removed);
        }
    }
    return failed;
}

void ForceEmptyPass::progress(int items) {
    m_done += items;
    if (m_hooks.progress) m_hooks.progress(m_done);
}

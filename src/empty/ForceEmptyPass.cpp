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
                               std::shared_ptr<const Workspace> workspace, EmptyProtection protection,
                               Hooks hooks)
    : m_paths(std::move(paths)),
      m_store(TrashStore::forPaths(m_paths)),
      m_commands(std::move(commands)),
      m_origPaths(std::move(origPaths)),
      m_workspace(std::move(workspace)),
      m_protection(std::move(protection)),
      m_hooks(std::move(hooks)) {}

int ForceEmptyPass::ForceEmptyTrashFileThreader() {
    m_protection.beginPass();
    // The location rules need each item's original place as it is now: the list the trash window
    // shows may be hours old and miss what was trashed since. Without rules nothing needs it.
    if (m_protection.hasRules()) m_store->readPutBack(*m_origPaths);
    int failures = 0;
    stageEnded(emptyUserTrash(), failures);
    if (!cancelled()) stageEnded(emptyVolumeTrashes(), failures);
    m_protection.CheckIfNeedDeleteConfirm();
    return failures;
}

void ForceEmptyPass::stageEnded(const QStringList& resisted, int& failures) {
    if (resisted.isEmpty()) return;
    ++failures;
    if (m_hooks.permissionAlert && !m_hooks.dryRun) m_hooks.permissionAlert(resisted);
}

FsTree::Report ForceEmptyPass::removeEntry(const ScopedFolder& trash, const QByteArray& name,
                                           const FsTree::Options& options) {
    FsTree::Report report;
    if (m_hooks.dryRun)
        report.gone = true;
    else
        report = FsTree::remove(trash, name, options);
    if (report.gone && m_hooks.removed) m_hooks.removed(trash.pathOf(name));
    return report;
}

bool ForceEmptyPass::cancelled() const {
    return m_hooks.cancel && m_hooks.cancel->load();
}

QStringList ForceEmptyPass::emptyUserTrash() {
    // Opened without following a link at any step: a Trash (or anything above it) that is a link
    // is left alone.
    const FsScope scope = FsScope::trash(m_paths->userTrash(), m_paths->scopeLimits());
    const ScopedFolder& trash = scope.folder();
    if (!trash.isOpen()) return {};
    if (!m_hooks.dryRun) LockedFlags::clear(trash.folder().fd());
    const bool keepRecords = m_protection.hasRules();
    QStringList resisted;
    QSet<QByteArray> removed;
    FsTree::Options options;
    options.clearLockedFlags = true;
    options.cancel = m_hooks.cancel;
    options.files = m_hooks.files;
    options.bytes = m_hooks.bytes;
    // In the order of the inode numbers, as rm -rf does with a big folder: fewer blocks written.
    for (const QByteArray& name : trash.folder().namesByInode()) {
        if (cancelled()) break;
        if (keepRecords && m_store->isRecordsEntry(name))
            continue;  // the put-back records of protected items
        if (m_protection.isProtected(trash.pathOf(name))) continue;
        const FsTree::Report report = removeEntry(trash, name, options);
        if (report.gone) removed.insert(name);
        if (!report.gone && !report.cancelled) resisted << trash.pathOf(name);
        progress(1);
    }
    // The records of what was removed go too; protected and stubborn items keep theirs, and so
    // does a record whose item another program is moving in right now.
    if (!m_hooks.dryRun) m_store->tidyAfterEmptying(m_paths->userTrash(), removed);
    return resisted;
}

QStringList ForceEmptyPass::emptyVolumeTrashes() {
    QStringList resisted;
    const QStringList volumes =
        m_workspace ? m_workspace->mountedLocalVolumePaths() : m_paths->mountedLocalVolumePaths();
    FsTree::Options options;
    options.clearLockedFlags = true;
    options.cancel = m_hooks.cancel;
    options.files = m_hooks.files;
    options.bytes = m_hooks.bytes;
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
                if (cancelled()) return resisted;
                if (m_store->isRecordsEntry(entry.name)) continue;
                // Protected here as in the user's Trash: a kept item never resists, so it is never
                // handed to the helper either.
                if (m_protection.isProtected(trash.pathOf(entry.name))) continue;
                // A folder of this mode is left to the helper.
                if (FileUtilities::longPermissionText(entry.st.st_mode) == QLatin1String(KeptOnVolumes)) {
                    resisted << trash.pathOf(entry.name);
                } else {
                    const FsTree::Report report = removeEntry(trash, entry.name, options);
                    if (report.gone)
                        removed.insert(entry.name);
                    else if (!report.cancelled)
                        resisted << trash.pathOf(entry.name);
                }
                progress(1);
            }
            if (!m_hooks.dryRun) m_store->tidyAfterEmptying(folder, removed);
        }
    }
    return resisted;
}

void ForceEmptyPass::progress(int items) {
    m_done += items;
    if (m_hooks.progress) m_hooks.progress(m_done);
}

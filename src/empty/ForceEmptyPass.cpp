#include "ForceEmptyPass.h"

#include "app/FileUtilities.h"
#include "platform/Paths.h"
#include "platform/SystemCommands.h"
#include "platform/Workspace.h"
#include "trash/PutBackReader.h"
#include "trash/TrashInfo.h"
#include "trash/TrashScanner.h"

#include <QFile>

ForceEmptyPass::ForceEmptyPass(std::shared_ptr<const Paths> paths, std::shared_ptr<const SystemCommands> commands,
                               std::shared_ptr<TrashOrigPaths> origPaths, std::shared_ptr<const Workspace> workspace,
                               Hooks hooks)
    : m_paths(std::move(paths)),
      m_commands(std::move(commands)),
      m_origPaths(std::move(origPaths)),
      m_workspace(std::move(workspace)),
      m_hooks(std::move(hooks)) {}

int ForceEmptyPass::ForceEmptyTrashFileThreader() {
    // The location rules need each item's original place.
    if (m_origPaths->isEmpty()) m_origPaths->rebuild(*m_paths);
    int failures = 0;
    if (emptyUserTrash()) {
        ++failures;
        if (m_hooks.permissionAlert) m_hooks.permissionAlert();
    }
    if (emptyVolumeTrashes()) {
        ++failures;
        if (m_hooks.permissionAlert) m_hooks.permissionAlert();
    }
    if (m_hooks.finished) m_hooks.finished();
    return failures;
}

bool ForceEmptyPass::emptyUserTrash() {
    const QString trash = m_paths->userTrash();
    if (!FileUtilities::isRealFolder(trash)) return false;
    m_commands->clearLockedFlags(trash);
    const bool mac = m_paths->layout() == Paths::Layout::Mac;
    const bool keepRecords = m_hooks.hasRules && m_hooks.hasRules();
    bool failed = false;
    for (const QString& name : TrashScanner::listFolder(trash)) {
        if (mac && name == QLatin1String(".DS_Store") && keepRecords) continue;  // the put-back records of protected items
        const QString path = trash + QLatin1Char('/') + name;
        if (m_hooks.isProtected && m_hooks.isProtected(path)) continue;
        m_commands->removeTree(path);
        if (FileUtilities::somethingAt(path)) failed = true;
    }
    // The info files of what was removed go too; protected and stubborn items keep theirs.
    if (!mac) tidyRecords(trash);
    return failed;
}

bool ForceEmptyPass::emptyVolumeTrashes() {
    bool failed = false;
    const bool mac = m_paths->layout() == Paths::Layout::Mac;
    const QStringList volumes = m_workspace ? m_workspace->mountedLocalVolumePaths() : m_paths->mountedLocalVolumePaths();
    for (const QString& volume : volumes) {
        if (!m_paths->visitsVolumeTrash(volume)) continue;
        const QString trashes = volume + QStringLiteral("/.Trashes");
        if (mac && FileUtilities::somethingAt(trashes) && !FileUtilities::isRealFolder(trashes)) continue;
        for (const QString& folder : m_paths->volumeTrashFolders(volume)) {
            if (!FileUtilities::isRealFolder(folder)) continue;
            for (const QString& name : TrashScanner::listFolder(folder)) {
                if (mac && name == QLatin1String(".DS_Store")) continue;
                const QString path = folder + QLatin1Char('/') + name;
                if (FileUtilities::getFilePermissionwithPath(path) != QLatin1String(KeptOnVolumes))
                    m_commands->removeTree(path);
                if (FileUtilities::somethingAt(path)) failed = true;
            }
            if (!mac) tidyRecords(folder);
        }
    }
    return failed;
}

void ForceEmptyPass::tidyRecords(const QString& itemsFolder) {
    TrashInfo::removeOrphans(TrashInfo::trashFolderOfFiles(itemsFolder));
}

#include "PutBackReader.h"

#include "platform/Paths.h"

void TrashOrigPaths::rebuild(const Paths& paths) {
    // Read and resolve outside the lock; swap in one step.
    QStringList fresh = PutBackReader::readRecordsFile(paths.trashRecordsFile());
    for (QString& entry : fresh) entry = paths.onStartupVolume(entry);
    QMutexLocker locker(&m_lock);
    m_entries = std::move(fresh);
}

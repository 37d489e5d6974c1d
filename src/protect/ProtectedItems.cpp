#include "ProtectedItems.h"

#include <QMutexLocker>
#include <atomic>

#include "ProtectionRules.h"
#include "core/FileUtilities.h"
#include "trash/PutBackReader.h"

namespace {

// A number per thread that is never reused, unlike thread ids or QThread addresses.
std::atomic<quint64> s_nextThread{1};
quint64 currentThreadToken() {
    thread_local const quint64 token = s_nextThread.fetch_add(1);
    return token;
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

}  // namespace

ProtectedItems::ProtectedItems(std::shared_ptr<const ProtectionRules> rules,
                               std::shared_ptr<const TrashOrigPaths> origPaths)
    : m_rules(std::move(rules)), m_origPaths(std::move(origPaths)) {}

bool ProtectedItems::ownsPass() const {
    return m_owner != 0 && m_owner == currentThreadToken();
}

void ProtectedItems::beginPass() {
    QMutexLocker locker(&m_lock);
    if (m_owner != 0 && !ownsPass() && !m_protectItemArray.isEmpty())
        qInfo(
            "A protection pass started while another had not ended; its %lld protected items are not listed.",
            static_cast<long long>(m_protectItemArray.size()));
    m_owner = currentThreadToken();
    m_protectItemArray.clear();
    m_recorded.clear();
}

void ProtectedItems::endPass() {
    QMutexLocker locker(&m_lock);
    if (!ownsPass()) return;
    m_owner = 0;
    m_protectItemArray.clear();
    m_recorded.clear();
}

bool ProtectedItems::passIsOpen() const {
    QMutexLocker locker(&m_lock);
    return m_owner != 0;
}

QStringList ProtectedItems::protectItemArray() const {
    QMutexLocker locker(&m_lock);
    return m_protectItemArray;
}

QString ProtectedItems::pathExtension(const QString& path) {
    const QString name = TrashOrigPaths::lastPathComponent(path);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0) return QString();
    return name.mid(dot + 1);
}

bool ProtectedItems::sameFormat(const QString& a, const QString& b) {
    const QByteArray x = a.toUtf8();
    const QByteArray y = b.toUtf8();
    if (x.size() != y.size()) return false;
    for (qsizetype i = 0; i < x.size(); ++i)
        if (asciiLower(x[i]) != asciiLower(y[i])) return false;
    return true;
}

bool ProtectedItems::isProtected(const QString& path) const {
    const QString extension = pathExtension(path);
    for (const QString& entry : m_rules->getFileFormatDataArray()) {
        // Entries stored before typing was cleaned up may carry a dot or spaces; an empty one is no rule.
        const QString format = ProtectionRules::normalizedFormat(entry);
        if (!format.isEmpty() && sameFormat(format, extension)) return true;
    }
    const QStringList locations = m_rules->getLocationDataArray();
    if (locations.isEmpty()) return false;
    const QString original = m_origPaths->getOrigFilePath(TrashOrigPaths::lastPathComponent(path));
    if (original == QLatin1String("--") || original.isEmpty()) return false;
    for (const QString& location : locations)
        if (!location.isEmpty() && original.contains(location, Qt::CaseInsensitive)) return true;
    return false;
}

bool ProtectedItems::CheckFileBeProtectWithPath(const QString& path) {
    if (!isProtected(path)) return false;
    QMutexLocker locker(&m_lock);
    if (ownsPass() && !m_recorded.contains(path)) {
        m_recorded.insert(path);
        m_protectItemArray.append(path);
    }
    return true;
}

QList<CVTrashFileNode::Ptr> ProtectedItems::CheckIfNeedDeleteConfirm() {
    QStringList found;
    {
        QMutexLocker locker(&m_lock);
        if (!ownsPass()) return {};
        found.swap(m_protectItemArray);
        m_recorded.clear();
        m_owner = 0;
    }
    QList<CVTrashFileNode::Ptr> protectTabArray;
    protectTabArray.reserve(found.size());
    for (const QString& path : std::as_const(found)) {
        auto node = CVTrashFileNode::create();
        node->theFileName = TrashOrigPaths::lastPathComponent(path);
        node->theTrashPath = path;
        node->lastModifiedDate = FileUtilities::modificationDate(path);  // invalid when it has gone
        node->theOrignalpath = m_origPaths->getOrigFilePath(node->theFileName);
        protectTabArray.append(node);
    }
    return protectTabArray;
}

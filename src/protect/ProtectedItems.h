#pragma once

#include "trash/CVTrashFileNode.h"

#include <QMutex>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

class ProtectionRules;
class TrashOrigPaths;

/// The protection test of a forced emptying and the record of what it kept.
///
/// A pass owns the record from beginPass() until CheckIfNeedDeleteConfirm() (or endPass()) on
/// the same thread. Only the owning pass's checks are recorded: a check from any other thread
/// still answers, so nothing protected is ever removed, but records nothing. A beginPass() while
/// another pass owns the record takes it over and drops what that pass found, so two passes never
/// mix their entries and a pass that never ended cannot block the next one. All calls are
/// thread-safe.
class ProtectedItems {
public:
    ProtectedItems(std::shared_ptr<const ProtectionRules> rules, std::shared_ptr<const TrashOrigPaths> origPaths);

    /// Starts recording for the calling thread's pass with an empty record.
    void beginPass();
    /// Ends the calling thread's pass without building anything (an aborted pass).
    void endPass();

    /// Whether the Trash entry at `path` is protected; records it for the calling thread's pass
    /// when it is, once per pass.
    bool CheckFileBeProtectWithPath(const QString& path);
    /// The test alone: formats first (the entry's extension, ASCII case ignored), then locations
    /// (a case-insensitive substring of the entry's original path; never for an unknown one).
    bool isProtected(const QString& path) const;

    /// The rows of the protected-items window for the calling thread's pass, in the order found,
    /// each with name, Trash path, original path and date (none when the entry has gone). Empties
    /// the record and ends the pass; nothing for a thread that owns no pass.
    QList<CVTrashFileNode::Ptr> CheckIfNeedDeleteConfirm();

    /// What the current pass has recorded so far.
    QStringList protectItemArray() const;
    bool passIsOpen() const;

    /// The part of the last path component after its last "."; empty when there is none or when
    /// the only "." starts the name (".profile").
    static QString pathExtension(const QString& path);
    /// Byte-wise comparison of the UTF-8 forms, ignoring the case of ASCII letters only.
    static bool sameFormat(const QString& a, const QString& b);

private:
    bool ownsPass() const;

    std::shared_ptr<const ProtectionRules> m_rules;
    std::shared_ptr<const TrashOrigPaths> m_origPaths;
    mutable QMutex m_lock;
    quint64 m_owner = 0;  ///< the token of the thread whose pass owns the record; 0 when none
    QStringList m_protectItemArray;
    QSet<QString> m_recorded;  ///< the same paths, for the once-per-pass test
};

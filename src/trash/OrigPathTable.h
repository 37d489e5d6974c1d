#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>
#include <vector>

/// A list of original paths held compactly, with the first path of every last path component.
///
/// A Trash of a few hundred thousand items would otherwise hold each path as its own QString and
/// each name again as a hash key, several times the size of the text itself. Here every path sits
/// in one shared buffer, in Latin-1 when it fits (almost every path does) and in UTF-16 otherwise,
/// so any text comes back exactly as it went in; the names are found through an open-addressing
/// table of positions into that buffer.
class OrigPathTable {
  public:
    /// Appends `path`; it becomes the first path of its last component unless one came before.
    void append(QStringView path);
    /// Appends every path of `other`, in order.
    void append(const OrigPathTable& other);
    void clear();
    /// Gives back the room left over by growing, once the table is complete.
    void squeeze();

    qsizetype size() const { return qsizetype(m_spans.size()); }
    bool isEmpty() const { return m_spans.isEmpty(); }
    QString at(qsizetype i) const;

    /// The position of the first path whose last component is `name` (the text after the last "/";
    /// for a path ending in "/" or without one, TrashOrigPaths::lastPathComponent), -1 when none.
    qsizetype firstNamed(QStringView name) const;

  private:
    struct Text {
        const char* data = nullptr;
        qsizetype units = 0;
        bool wide = false;
    };

    Text textAt(qsizetype i) const;
    static Text tailOf(Text path);
    static Text textOf(QStringView view);
    static quint32 hashOf(Text text);
    static bool equal(Text a, Text b);
    /// The slot holding the path whose tail equals `name` (hashed to `hash`), or the empty slot
    /// where it would go.
    size_t slotOf(Text name, quint32 hash) const;
    void insertTail(qsizetype i);
    void grow();

    QByteArray m_text;
    QList<quint64> m_spans;  ///< per path: end offset in m_text << 1 | whether it is UTF-16
    /// Open addressing over the paths by tail: the tail's hash << 32 | 1 + the path's position; 0 is
    /// empty.
    std::vector<quint64> m_slots;
    qsizetype m_indexed = 0;            ///< paths held in m_slots
    QHash<QString, qint32> m_oddFirst;  ///< paths ending in "/" or without one, by their component
};

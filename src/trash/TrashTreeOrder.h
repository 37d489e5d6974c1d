#pragma once

#include <QCollator>
#include <QString>
#include <list>
#include <vector>

/// The order of one level of the Trash tree, from its entries in the order the walk meets them:
/// folders go in front of the first entry whose name sorts after theirs (the locale's order), files
/// go in front of everything (the Trash's own level) or after everything (inside a folder). The
/// tree controller orders its lists this way; this gives the same order for a level too long to
/// hold as nodes, keeping only each entry's number.
class TrashTreeOrder {
  public:
    explicit TrashTreeOrder(bool filesInFront) : m_filesInFront(filesInFront) {}

    /// The next entry the walk met; `id` is what order() hands back for it.
    void add(qsizetype id, const QString& name, bool isFolder);
    /// The ids of every entry added, in their place.
    std::vector<qsizetype> order() const { return {m_list.begin(), m_list.end()}; }

  private:
    using Place = std::list<qsizetype>::iterator;
    /// An entry whose name sorts after every name in front of it; ascending by key and by place.
    struct Record {
        QCollatorSortKey key;
        Place at;
    };
    std::size_t firstAfter(const QCollatorSortKey& key) const;

    bool m_filesInFront;
    QCollator m_collator;  // the default locale, as the controller's
    std::list<qsizetype> m_list;
    std::vector<Record> m_records;
};

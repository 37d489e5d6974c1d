#include "TrashTreeOrder.h"

#include <algorithm>

std::size_t TrashTreeOrder::firstAfter(const QCollatorSortKey& key) const {
    const auto it =
        std::upper_bound(m_records.begin(), m_records.end(), key,
                         [](const QCollatorSortKey& k, const Record& r) { return k.compare(r.key) < 0; });
    return static_cast<std::size_t>(it - m_records.begin());
}

void TrashTreeOrder::add(qsizetype id, const QString& name, bool isFolder) {
    QCollatorSortKey key = m_collator.sortKey(name);
    if (isFolder) {
        const std::size_t at = firstAfter(key);
        const Place place = m_list.insert(at < m_records.size() ? m_records[at].at : m_list.end(), id);
        // Everything in front sorts at or before it: a record only if the record in front is before.
        if (at == 0 || m_records[at - 1].key.compare(key) < 0)
            m_records.insert(m_records.begin() + static_cast<std::ptrdiff_t>(at),
                             Record{std::move(key), place});
    } else if (m_filesInFront) {
        m_list.push_front(id);
        // Records that don't sort after the new first name stop being records.
        m_records.erase(m_records.begin(), m_records.begin() + static_cast<std::ptrdiff_t>(firstAfter(key)));
        m_records.insert(m_records.begin(), Record{std::move(key), m_list.begin()});
    } else {
        m_list.push_back(id);
        if (m_records.empty() || m_records.back().key.compare(key) < 0)
            m_records.push_back(Record{std::move(key), std::prev(m_list.end())});
    }
}

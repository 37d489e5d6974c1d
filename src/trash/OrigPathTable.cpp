#include "OrigPathTable.h"

#include <QtCore/qstringalgorithms.h>

#include <algorithm>
#include <cstring>

#include "TrashOrigPaths.h"

namespace {

char16_t unitAt(const char* data, bool wide, qsizetype k) {
    if (!wide) return uchar(data[k]);
    char16_t unit;
    std::memcpy(&unit, data + 2 * k, sizeof unit);  // the buffer keeps no alignment for UTF-16
    return unit;
}

}  // namespace

void OrigPathTable::append(QStringView path) {
    const bool wide = !QtPrivate::isLatin1(path);
    const qsizetype start = m_text.size();
    const qsizetype end = start + (wide ? 2 : 1) * path.size();
    m_text.resize(end);
    char* out = m_text.data() + start;
    if (wide)
        std::memcpy(out, path.utf16(), size_t(end - start));
    else
        for (qsizetype k = 0; k < path.size(); ++k) out[k] = char(path[k].unicode());
    m_spans.append(quint64(end) << 1 | quint64(wide));

    const qsizetype i = m_spans.size() - 1;
    const Text tail = tailOf(textAt(i));
    if (tail.units > 0 && tail.units < path.size()) {
        insertTail(i);
    } else {
        // Ending in "/" or without one: rare, and named by the general rule.
        const QString name = TrashOrigPaths::lastPathComponent(path.toString());
        if (!m_oddFirst.contains(name)) m_oddFirst.insert(name, qint32(i));
    }
}

void OrigPathTable::append(const OrigPathTable& other) {
    const qsizetype count = other.size();  // `other` may be this table
    m_spans.reserve(m_spans.size() + count);
    for (qsizetype i = 0; i < count; ++i) append(other.at(i));
}

void OrigPathTable::clear() {
    m_text.clear();
    m_spans.clear();
    m_slots.clear();
    m_indexed = 0;
    m_oddFirst.clear();
}

void OrigPathTable::squeeze() {
    m_text.squeeze();
    m_spans.squeeze();
    m_oddFirst.squeeze();
}

QString OrigPathTable::at(qsizetype i) const {
    const Text text = textAt(i);
    if (!text.wide) return QString::fromLatin1(text.data, text.units);
    QString path(text.units, Qt::Uninitialized);
    std::memcpy(path.data(), text.data, size_t(2 * text.units));
    return path;
}

qsizetype OrigPathTable::firstNamed(QStringView name) const {
    qsizetype first = -1;
    if (!m_slots.empty()) {
        const Text text = textOf(name);
        first = qsizetype(quint32(m_slots[slotOf(text, hashOf(text))])) - 1;
    }
    if (!m_oddFirst.isEmpty()) {
        const auto odd = m_oddFirst.constFind(name.toString());
        if (odd != m_oddFirst.constEnd() && (first < 0 || odd.value() < first)) first = odd.value();
    }
    return first;
}

OrigPathTable::Text OrigPathTable::textAt(qsizetype i) const {
    const quint64 span = m_spans[i];
    const qsizetype start = i == 0 ? 0 : qsizetype(m_spans[i - 1] >> 1);
    const bool wide = span & 1;
    return {m_text.constData() + start, (qsizetype(span >> 1) - start) / (wide ? 2 : 1), wide};
}

OrigPathTable::Text OrigPathTable::tailOf(Text path) {
    qsizetype k = path.units;
    if (path.wide)
        while (k > 0 && unitAt(path.data, true, k - 1) != u'/') --k;
    else
        while (k > 0 && path.data[k - 1] != '/') --k;
    return {path.data + (path.wide ? 2 : 1) * k, path.units - k, path.wide};
}

OrigPathTable::Text OrigPathTable::textOf(QStringView view) {
    return {reinterpret_cast<const char*>(view.utf16()), view.size(), true};
}

quint32 OrigPathTable::hashOf(Text text) {
    // FNV-1a over the UTF-16 units, so a name hashes alike in either form.
    quint64 hash = 14695981039346656037ULL;
    if (text.wide)
        for (qsizetype k = 0; k < text.units; ++k)
            hash = (hash ^ unitAt(text.data, true, k)) * 1099511628211ULL;
    else
        for (qsizetype k = 0; k < text.units; ++k) hash = (hash ^ uchar(text.data[k])) * 1099511628211ULL;
    return quint32(hash ^ (hash >> 32));
}

bool OrigPathTable::equal(Text a, Text b) {
    if (a.units != b.units) return false;
    if (a.wide == b.wide) return std::memcmp(a.data, b.data, size_t((a.wide ? 2 : 1) * a.units)) == 0;
    for (qsizetype k = 0; k < a.units; ++k)
        if (unitAt(a.data, a.wide, k) != unitAt(b.data, b.wide, k)) return false;
    return true;
}

size_t OrigPathTable::slotOf(Text name, quint32 hash) const {
    const size_t mask = m_slots.size() - 1;
    for (size_t s = hash & mask;; s = (s + 1) & mask) {
        const quint64 slot = m_slots[s];
        if (slot == 0) return s;
        // The kept hash spares decoding the paths that merely share the slot.
        if (quint32(slot >> 32) == hash && equal(tailOf(textAt(qsizetype(quint32(slot)) - 1)), name))
            return s;
    }
}

void OrigPathTable::insertTail(qsizetype i) {
    // At most half full, so probes stay short and always reach an empty slot.
    if (size_t(m_indexed + 1) * 2 > m_slots.size()) grow();
    const Text tail = tailOf(textAt(i));
    const quint32 hash = hashOf(tail);
    const size_t s = slotOf(tail, hash);
    if (m_slots[s] != 0) return;  // an earlier path has this name
    m_slots[s] = quint64(hash) << 32 | quint64(i + 1);
    ++m_indexed;
}

void OrigPathTable::grow() {
    std::vector<quint64> old(std::max<size_t>(16, 2 * m_slots.size()), 0);
    old.swap(m_slots);
    const size_t mask = m_slots.size() - 1;
    for (const quint64 slot : old) {
        if (slot == 0) continue;
        size_t s = size_t(slot >> 32) & mask;
        while (m_slots[s] != 0) s = (s + 1) & mask;
        m_slots[s] = slot;
    }
}

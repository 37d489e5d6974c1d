#include "TextPool.h"

QString TextPool::shared(const QString& text) {
    if (text.isNull()) return text;
    const auto known = m_texts.constFind(text);
    if (known != m_texts.constEnd()) return *known;
    if (m_texts.size() >= m_limit) m_texts.clear();
    // The kept copy is the one every later record shares: no spare room in it.
    QString kept = text;
    kept.squeeze();
    m_texts.insert(kept);
    return kept;
}

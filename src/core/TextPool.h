#pragma once

#include <QSet>
#include <QString>

/// One shared copy of each text that many records repeat (size and access texts of a long
/// listing): records holding equal texts then hold one string between them instead of one each.
/// Knows at most `limit` texts; past that it starts afresh, so odd texts never pile up. One thread
/// at a time.
class TextPool {
  public:
    explicit TextPool(qsizetype limit = 4096) : m_limit(limit) {}

    /// The pool's copy of `text`, kept from now on when it is new; a null text stays null.
    QString shared(const QString& text);
    /// Replaces `text` with the pool's copy.
    void share(QString& text) { text = shared(text); }

  private:
    QSet<QString> m_texts;
    qsizetype m_limit;
};

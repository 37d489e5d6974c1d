#pragma once

#include <QByteArray>
#include <QString>

#include "core/fs/FsName.h"

/// An absolute path as text, split into its folder and its last name in one place. The text is the
/// file layer's lossless form (FsName), so bytes() gives back exactly the name on disk.
class Path {
  public:
    Path() = default;
    explicit Path(QString text) : m_text(std::move(text)) {}

    const QString& text() const { return m_text; }
    QByteArray bytes() const { return FsName::toBytes(m_text); }
    bool isEmpty() const { return m_text.isEmpty(); }

    /// The folder that holds it: "/" for anything directly under "/" and for a bare name.
    Path parent() const {
        const qsizetype slash = m_text.lastIndexOf(QLatin1Char('/'));
        return Path(slash <= 0 ? QStringLiteral("/") : m_text.left(slash));
    }
    /// The last name: everything after the last "/" (all of it when there is none).
    QString leaf() const { return m_text.mid(m_text.lastIndexOf(QLatin1Char('/')) + 1); }
    /// The last name in its byte form, for the calls on an opened parent.
    QByteArray leafBytes() const { return FsName::toBytes(leaf()); }
    /// The entry `name` of this folder.
    Path join(const QString& name) const {
        return Path(m_text.endsWith(QLatin1Char('/')) ? m_text + name : m_text + QLatin1Char('/') + name);
    }

    bool operator==(const Path& other) const { return m_text == other.m_text; }

  private:
    QString m_text;
};

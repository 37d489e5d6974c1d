#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

/// The texts the sources hand to localized() (and mark with QT_TRANSLATE_NOOP("Corvane", ...) where a
/// table keeps them), read the way the compiler reads the literals, and the translation files that
/// carry them. The translation test and corvane-texts share this reader.
namespace LocalizedTexts {

struct SourceText {
    QString text;
    QString file;  // relative to the scanned folder
    int line = 0;
};

/// Every literal text in one file's contents, in order. Calls whose argument is no literal are left
/// out: their texts must be marked where they are written.
QList<SourceText> extract(const QByteArray& contents, const QString& file = QString());

/// Every text in the .cpp and .h files under `folder`, files in name order, each text once.
QList<SourceText> scanFolder(const QString& folder);

struct Translation {
    QString text;
    bool finished = false;
};

/// The "Corvane" context of a translation file: source text -> translation. Empty with `error` set
/// when the file can't be read.
QHash<QString, Translation> readTs(const QString& path, QString* error = nullptr,
                                   QString* language = nullptr);

/// Rewrites `path` to hold exactly `texts` (kept translations stay, new texts come unfinished, texts
/// no longer in the sources are kept as vanished). Returns the number of new texts, or -1.
int updateTs(const QString& path, const QList<SourceText>& texts, const QString& language);

/// What is wrong with `translation` of `source`: placeholders, spaces at the ends, an accelerator or
/// a closing ellipsis lost. Empty when nothing is.
QString mismatch(const QString& source, const QString& translation);

}  // namespace LocalizedTexts

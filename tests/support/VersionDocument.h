#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

/// Version documents built byte by byte, as the server would publish them.
namespace VersionDocument {

/// An XML property list with the two keys (a null `whatsNew` leaves its key out).
QByteArray xml(const QString& latest, const QString& whatsNew = QString());

/// A binary property list of one dictionary of strings, in the usual layout: header, objects
/// (keys, then values), offset table, trailer. `refSize` and `offsetSize` are the widths the
/// trailer declares.
QByteArray binary(const QList<QPair<QString, QString>>& entries, int offsetSize = 1, int refSize = 1);

/// Where the parts of a binary list built by binary() lie, for tests that damage one of them.
struct BinaryLayout {
    qsizetype offsetTable = 0;  ///< start of the offset table
    qsizetype trailer = 0;      ///< start of the 32-byte trailer
};
BinaryLayout binaryLayout(const QByteArray& list);

}  // namespace VersionDocument

#pragma once

#include <QByteArray>
#include <QVariant>
#include <QVariantMap>

/// Reads property lists, XML ("<plist>") or binary ("bplist00"), from memory. Values become
/// QString, qint64, double, bool, QDateTime, QByteArray, QVariantList and QVariantMap. Anything that
/// is not a complete, well-formed property list gives an invalid QVariant: no partial results.
namespace PropertyList {

/// The whole list's top value; invalid when `body` is not a property list.
QVariant read(const QByteArray& body);
/// The top value when it is a dictionary; empty otherwise.
QVariantMap readDictionary(const QByteArray& body);

/// The XML form alone.
QVariant readXml(const QByteArray& body);
/// The binary form alone. Every offset, reference and count is checked against the buffer, and
/// nesting and the number of objects decoded are bounded, so a hostile file ends in an invalid
/// result rather than a crash or a hang.
QVariant readBinary(const QByteArray& body);

}  // namespace PropertyList

#pragma once

#include <QByteArray>

#include "PRCookFileNode.h"

/// A binary cookie file without some of its records: every other record is copied byte for byte
/// into pages of the same order, the page table, offsets and checksum made anew and what follows
/// the pages kept.
namespace BinaryCookieRewrite {

/// `file` without the records of `remove` (matched by their offset and their texts, so a file that
/// changed since it was read loses nothing it did not show); `removed` gets how many went.
QByteArray without(const QByteArray& file, const CookieList& remove, int* removed = nullptr);

}  // namespace BinaryCookieRewrite

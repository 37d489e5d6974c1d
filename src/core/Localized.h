#pragma once

#include <QCoreApplication>
#include <QString>

/// Every text shown to the user goes through this lookup; the English text is the key and is what
/// shows without a translation.
inline QString localized(const char* english) {
    return QCoreApplication::translate("Corvane", english);
}

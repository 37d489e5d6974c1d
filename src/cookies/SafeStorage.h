#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

/// The password a Chromium-family browser keeps in the desktop's secret service ("Chrome Safe
/// Storage", "Chromium Safe Storage"); its "v11" cookie values are encrypted with a key made from
/// it. Asked only when such a value is met; the secret service may ask the user to unlock it.
namespace SafeStorage {

/// The password stored for `application` ("chrome" or "chromium"); nothing when there is no
/// secret service, no such entry, or it stays locked.
using Lookup = std::function<std::optional<QByteArray>(const QString& application)>;

std::optional<QByteArray> password(const QString& application);

/// Replaces the secret service (tests); an empty function puts it back.
void setLookup(Lookup lookup);

}  // namespace SafeStorage

#pragma once

#include <QString>
#include <QUrl>

/// Where the version document and the download page are. Both come from the build
/// (CORVANE_UPDATE_HOST, CORVANE_DOWNLOAD_PAGE); CORVANE_UPDATE_URL in the environment replaces the
/// document's whole address, for tests and self-hosted mirrors.
namespace UpdateAddress {

/// The document's path on the host.
inline constexpr const char* DocumentPath = "/product/corvaneVersion.plist";

/// Whether this build has the update check at all (-DCORVANE_UPDATE_CHECK=OFF removes it).
bool builtIn();

/// The version document's address: the environment's when set, otherwise the build's. Empty, with
/// the reason in `error`, when the address given is not acceptable.
QUrl documentUrl(QString* error = nullptr);
/// The product's download page.
QUrl downloadPage();

/// HTTPS anywhere; plain HTTP only to this machine (127.0.0.1, ::1, localhost), where nobody on
/// the way can change the answer.
bool isAcceptable(const QUrl& url);

}  // namespace UpdateAddress

#pragma once

#include <QString>

/// The kind of a Desktop item by its name's extension. Each lookup gives the position of the first
/// entry of its table equal to `extension` without regard to ASCII case, or -1 (also for an empty
/// or null extension).
namespace FileKinds {

inline constexpr const char* Pictures = "Pictures";
inline constexpr const char* Documents = "Documents";
inline constexpr const char* Archives = "Archives";
inline constexpr const char* Folder = "Folder";
inline constexpr const char* Other = "Other";

int GetImageType(const char* extension);
int GetViedoType(const char* extension);
int GetAudioType(const char* extension);
int GetDocumentType(const char* extension);
int GetArchiveType(const char* extension);

/// The kind of an item named `name`: a folder is "Folder" unless its extension is exactly "rtfd";
/// a file goes by the image, archive and document tables in that order, else "Other".
QString kindOf(const QString& name, bool isFolder);

}  // namespace FileKinds

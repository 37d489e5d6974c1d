// The Desktop's classification of names: any name of bytes (the first byte says folder or file)
// falls in one of the five kinds, and its text form maps back to the same bytes.
#include "FuzzSupport.h"
#include "core/fs/FsName.h"
#include "desktop/FileKinds.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const bool isFolder = data[0] & 1;
    const QByteArray raw = FuzzSupport::bytesOf(data + 1, size - 1);
    const QString name = FsName::fromBytes(raw);
    FUZZ_CHECK(FsName::toBytes(name) == raw);
    // A name without stray bytes is what the file name functions of Qt would give.
    FUZZ_CHECK(!FsName::isPlain(name) || name.toUtf8() == raw);
    const QString kind = FileKinds::kindOf(name, isFolder);
    static const QStringList kinds{FileKinds::Pictures, FileKinds::Documents, FileKinds::Archives,
                                   FileKinds::Folder, FileKinds::Other};
    FUZZ_CHECK(kinds.contains(kind));
    if (isFolder)
        FUZZ_CHECK(kind == QLatin1String(FileKinds::Folder) || kind == QLatin1String(FileKinds::Documents));
    // The tables are looked up by the NUL-terminated extension, whatever it holds.
    const QByteArray extension = raw.mid(raw.lastIndexOf('.') + 1);
    for (auto lookup : {FileKinds::GetImageType, FileKinds::GetViedoType, FileKinds::GetAudioType,
                        FileKinds::GetDocumentType, FileKinds::GetArchiveType})
        FUZZ_CHECK(lookup(extension.constData()) >= -1);
    return 0;
}

// The Trash's records file: the put-back reader scans any bytes for its records.
#include "FuzzSupport.h"
#include "trash/PutBackReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = FuzzSupport::bytesOf(data, size);
    for (const QString& entry : PutBackReader::parseRecords(bytes)) {
        // "/" + folder + name: never empty, never a NUL (the reader refuses NUL units).
        FUZZ_CHECK(entry.startsWith(QLatin1Char('/')) && entry.size() >= 2);
        FUZZ_CHECK(!entry.contains(QChar(0)));
    }
    return 0;
}

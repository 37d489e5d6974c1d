// A freedesktop info file: whatever it holds, a record read from it names a usable place, and
// writing that place back gives the same record.
#include "FuzzSupport.h"
#include "trash/TrashInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray text = FuzzSupport::bytesOf(data, size);
    const std::optional<TrashInfo::Record> record = TrashInfo::parse(text);
    FUZZ_CHECK(TrashInfo::parse(text, false).has_value() == record.has_value());
    if (!record) return 0;
    FUZZ_CHECK(!record->path.isEmpty() && !record->path.contains(QChar(0)));
    for (const QStringView step : QStringView(record->path).split(QLatin1Char('/')))
        FUZZ_CHECK(step != QLatin1String(".."));
    const std::optional<TrashInfo::Record> again =
        TrashInfo::parse(TrashInfo::format(record->path, record->deletionDate));
    FUZZ_CHECK(again && again->path == record->path);
    return 0;
}

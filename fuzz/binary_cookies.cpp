// The binary cookie file, read from memory.
#include "FuzzSupport.h"
#include "cookies/BinaryCookieReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const BinaryCookieReader::Result result = BinaryCookieReader::parse(FuzzSupport::bytesOf(data, size));
    FUZZ_CHECK(result.dropped >= 0);
    // Every record has at least its 56-byte header inside the file.
    FUZZ_CHECK(qsizetype(result.cookies.size()) * 56 <= qsizetype(size));
    return 0;
}

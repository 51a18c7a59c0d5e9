#include "platform/system/BookmarkRecord.h"

#include <cstdint>
#include <cstdlib>

// Whatever the bytes, the reader answers a record or a reason; a record it answers is
// written again and reads back the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const platform::Data data(bytes, bytes + size);
    const auto record = platform::BookmarkRecord::read(data);
    if (!record)
        return 0;
    const auto written = record->write();
    if (!written)
        std::abort();
    const auto again = platform::BookmarkRecord::read(*written);
    if (!again || *again != *record)
        std::abort();
    return 0;
}

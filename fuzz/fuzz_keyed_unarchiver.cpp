#include "platform/base/KeyedArchiver.h"
#include "platform/base/KeyedUnarchiver.h"

#include <cstdint>
#include <cstdlib>

// Whatever the bytes, the unarchiver answers a value or a reason. A value it answers is one
// that the archiver can write again.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const platform::Data data(bytes, bytes + size);
    const auto value = platform::KeyedUnarchiver::unarchive(data);
    if (!value || value->isNone())
        return 0;
    const auto again = platform::KeyedArchiver::archive(*value);
    if (!again)
        std::abort();
    (void)platform::KeyedUnarchiver::unarchiveObjectWithData(*again);
    return 0;
}

#include "platform/base/PropertyList.h"

#include <cstdint>

// Whatever the bytes, the reader answers a value or a reason; a value it answers is written
// again in both formats (which may refuse it, for instance a date beyond what XML holds).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const platform::Data data(bytes, bytes + size);
    const auto value = platform::PropertyList::read(data);
    if (!value)
        return 0;
    for (const auto format :
         {platform::PropertyListFormat::Binary, platform::PropertyListFormat::XML})
        if (const auto written = platform::PropertyList::write(*value, format))
            (void)platform::PropertyList::read(*written);
    return 0;
}

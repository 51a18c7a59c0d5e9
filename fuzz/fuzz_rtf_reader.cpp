#include "platform/text/RTFReader.h"
#include "platform/text/RTFWriter.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// A link read at the length limit of a field instruction can need more than the limit
// once its quotes are escaped again; such a text need not read back equal.
bool hasLongLinks(const platform::AttributedString& text) {
    for (std::size_t run = 0; run < text.runCount(); ++run) {
        const auto& link = text.runAttributes(run)->link;
        if (link && link->size() > 2048)
            return true;
    }
    return false;
}

} // namespace

// Whatever the bytes, the reader ends with a text or none. A text it reads is one that the
// writer writes so that it reads back equal.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view rtf(reinterpret_cast<const char*>(bytes), size);
    const platform::RTFReader::AttachmentResolver resolve =
        [](const platform::String& name) -> std::optional<platform::Data> {
        if (name.size() % 2 == 0)
            return std::nullopt;
        return platform::Data(name.begin(), name.end());
    };
    const auto text = platform::RTFReader::read(rtf, resolve);
    if (!text || hasLongLinks(*text))
        return 0;
    const platform::Data written = platform::RTFWriter::write(*text);
    const auto again = platform::RTFReader::read(platform::bytesOf(written));
    if (!again || !(*again == *text))
        std::abort();
    return 0;
}

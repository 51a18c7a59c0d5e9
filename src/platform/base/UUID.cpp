#include "platform/base/UUID.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sys/random.h>

namespace platform {
namespace {

// getrandom blocks only until the kernel's pool is first seeded, and reads of up to 256
// bytes are not cut short; a failure here means a system without randomness.
void fillRandom(std::uint8_t* bytes, std::size_t length) {
    std::size_t done = 0;
    while (done < length) {
        const auto count = getrandom(bytes + done, length - done, 0);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            std::perror("getrandom");
            std::abort();
        }
        done += static_cast<std::size_t>(count);
    }
}

} // namespace

UUID::UUID() {
    fillRandom(bytes_.data(), bytes_.size());
    bytes_[6] = static_cast<std::uint8_t>((bytes_[6] & 0x0F) | 0x40); // version 4
    bytes_[8] = static_cast<std::uint8_t>((bytes_[8] & 0x3F) | 0x80); // RFC 4122 variant
}

String UUID::UUIDString() const {
    static constexpr char16_t hex[] = u"0123456789ABCDEF";
    String text;
    text.reserve(36);
    for (std::size_t i = 0; i < bytes_.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            text.push_back(u'-');
        text.push_back(hex[bytes_[i] >> 4]);
        text.push_back(hex[bytes_[i] & 0xF]);
    }
    return text;
}

} // namespace platform

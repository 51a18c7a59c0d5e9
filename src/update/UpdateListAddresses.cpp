#include "update/UpdateListAddresses.h"

#include <algorithm>
#include <cstdlib>

using platform::String;

UpdateListAddresses::Addresses UpdateListAddresses::maker() {
    Addresses addresses;
    for (std::size_t i = 0; i < addresses.size(); ++i)
        addresses[i] = u"http://update" + String(1, char16_t(u'1' + i)) +
                       u".sealscribe.example/mac/sealscribe.plist";
    return addresses;
}

std::optional<UpdateListAddresses::Addresses> UpdateListAddresses::fromText(std::string_view text) {
    Addresses addresses;
    std::size_t slot = 0;
    std::size_t begin = text.find_first_not_of(' ');
    while (begin != std::string_view::npos && slot < addresses.size()) {
        const std::size_t end = std::min(text.find(' ', begin), text.size());
        const auto word = platform::fromUtf8(text.substr(begin, end - begin));
        if (!word)
            return std::nullopt;
        addresses[slot++] = *word;
        begin = text.find_first_not_of(' ', end);
    }
    return addresses;
}

UpdateListAddresses::Addresses UpdateListAddresses::configured() {
    // Read on the main thread while the program starts, before any thread sets variables.
    const char* text = std::getenv(overrideVariable); // NOLINT(concurrency-mt-unsafe)
    if (!text)
        return maker();
    // An override that cannot be read must not send the check to the maker's servers.
    return fromText(text).value_or(Addresses{});
}

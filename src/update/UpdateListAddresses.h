#pragma once

#include "platform/base/String.h"

#include <array>
#include <optional>
#include <string_view>

// The four addresses of the update list: the maker's, or those of the environment
// variable SEALSCRIBE_UPDATE_URLS, which lives only as long as its process (tests point it
// at their own server). A setting would outlive the test that wrote it.
class UpdateListAddresses {
public:
    using Addresses = std::array<std::optional<platform::String>, 4>;

    static constexpr const char* overrideVariable = "SEALSCRIBE_UPDATE_URLS";

    // http://update1.sealscribe.example/mac/sealscribe.plist to update4.
    [[nodiscard]] static Addresses maker();

    // The words of the text, separated by spaces, in order; the slots left over stay empty
    // and words beyond the fourth are ignored. None when the text is no UTF-8.
    [[nodiscard]] static std::optional<Addresses> fromText(std::string_view text);

    // The variable's addresses when it is set, even to nothing; else the maker's.
    [[nodiscard]] static Addresses configured();
};

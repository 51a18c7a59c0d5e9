#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The two files of a hunspell dictionary, and where the user's one is found.
struct SpellDictionary {
    std::string affixPath;
    std::string wordsPath;

    bool operator==(const SpellDictionary&) const = default;

    // Where Debian's dictionary packages put them.
    [[nodiscard]] static std::vector<std::string> standardFolders();

    // The locale that names the user's language: LC_ALL, else LC_MESSAGES, else LANG, as
    // set ("de_DE.UTF-8"); empty when none is set.
    [[nodiscard]] static std::string userLocale();

    // The locale's dictionary: that of its language and region ("de_DE" for
    // "de_DE.UTF-8@euro"), else of the language alone ("de"), else of the language in
    // another region ("de_AT"), else en_US, each looked for in the folders in their order.
    // None when the folders hold none of them.
    [[nodiscard]] static std::optional<SpellDictionary>
    find(std::string_view locale, const std::vector<std::string>& folders);

    // The user's dictionary in the standard folders.
    [[nodiscard]] static std::optional<SpellDictionary> forUser();
};

} // namespace platform

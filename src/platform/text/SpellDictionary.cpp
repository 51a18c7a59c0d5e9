#include "platform/text/SpellDictionary.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace platform {
namespace {

const std::string fallbackName = "en_US";

// Names from the environment become file names: letters, digits and '_' only.
bool isPlainName(std::string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_';
    });
}

bool isReadableFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::optional<SpellDictionary> inFolder(const std::filesystem::path& folder,
                                        const std::string& name) {
    SpellDictionary dictionary{(folder / (name + ".aff")).string(),
                               (folder / (name + ".dic")).string()};
    if (isReadableFile(dictionary.affixPath) && isReadableFile(dictionary.wordsPath))
        return dictionary;
    return std::nullopt;
}

std::optional<SpellDictionary> named(const std::string& name,
                                     const std::vector<std::string>& folders) {
    for (const auto& folder : folders)
        if (auto dictionary = inFolder(folder, name))
            return dictionary;
    return std::nullopt;
}

// The first, by name, of the language's regional dictionaries ("de_AT", "de_CH", "de_DE").
std::optional<SpellDictionary> ofLanguage(const std::string& language,
                                          const std::vector<std::string>& folders) {
    for (const auto& folder : folders) {
        std::vector<std::string> names;
        std::error_code error;
        for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
             entry.increment(error)) {
            const auto path = entry->path();
            const std::string name = path.stem().string();
            if (path.extension() == ".dic" && name.starts_with(language + "_") && isPlainName(name))
                names.push_back(name);
        }
        std::sort(names.begin(), names.end());
        for (const auto& name : names)
            if (auto dictionary = inFolder(folder, name))
                return dictionary;
    }
    return std::nullopt;
}

// "de_DE.UTF-8@euro" → "de_DE"; the C locale names no language.
std::string languageAndRegion(std::string_view locale) {
    std::string name(locale.substr(0, locale.find_first_of(".@")));
    if (name == "C" || name == "POSIX" || !isPlainName(name))
        return {};
    return name;
}

} // namespace

std::vector<std::string> SpellDictionary::standardFolders() {
    return {"/usr/share/hunspell", "/usr/share/myspell", "/usr/share/myspell/dicts"};
}

std::string SpellDictionary::userLocale() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return value;
    }
    return {};
}

std::optional<SpellDictionary> SpellDictionary::find(std::string_view locale,
                                                     const std::vector<std::string>& folders) {
    const std::string name = languageAndRegion(locale);
    if (!name.empty()) {
        const std::string language = name.substr(0, name.find('_'));
        if (auto dictionary = named(name, folders))
            return dictionary;
        if (auto dictionary = named(language, folders))
            return dictionary;
        if (auto dictionary = ofLanguage(language, folders))
            return dictionary;
    }
    return named(fallbackName, folders);
}

std::optional<SpellDictionary> SpellDictionary::forUser() {
    return find(userLocale(), standardFolders());
}

} // namespace platform

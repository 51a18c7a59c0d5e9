#include "platform/text/RTFAttributeCache.h"

#include <functional>

namespace platform {
namespace {

const String& defaultFamily() {
    static const String family = u"Helvetica";
    return family;
}

// A font the table lacks is the document's default font, or the platform's.
const String& familyFor(const RTFFontTable& fonts, std::int64_t fontNumber,
                        std::int64_t defaultFont) {
    const auto* entry = fonts.find(fontNumber < 0 ? defaultFont : fontNumber);
    if (!entry)
        entry = fonts.find(defaultFont);
    return entry ? entry->family : defaultFamily();
}

} // namespace

std::size_t RTFAttributeCache::KeyHash::operator()(const Key& key) const {
    std::size_t hash = std::hash<const void*>()(key.link);
    const auto mix = [&hash](std::size_t value) {
        hash ^= value + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2);
    };
    mix(std::hash<const void*>()(key.paragraph));
    mix(static_cast<std::size_t>(key.fontNumber));
    mix(static_cast<std::size_t>(key.halfPoints));
    mix(static_cast<std::size_t>(key.foreground));
    mix(static_cast<std::size_t>(key.background));
    mix(static_cast<std::size_t>(key.fontSet) | static_cast<std::size_t>(key.bold) << 1 |
        static_cast<std::size_t>(key.italic) << 2 | static_cast<std::size_t>(key.underline) << 3 |
        static_cast<std::size_t>(key.strikethrough) << 4);
    return hash;
}

const std::shared_ptr<const TextAttributes>&
RTFAttributeCache::attributesOf(RTFGroupState& state, const RTFFontTable& fonts,
                                const RTFColorTable& colors, std::int64_t defaultFont) {
    if (state.attributes)
        return state.attributes;
    const Key key{state.fontSet,       state.bold,       state.italic,         state.underline,
                  state.strikethrough, state.halfPoints, state.fontNumber,     state.foreground,
                  state.background,    state.link.get(), state.paragraph.get()};
    const auto found = entries_.find(key);
    if (found != entries_.end()) {
        state.attributes = found->second;
        return state.attributes;
    }
    if (entries_.size() >= maxEntries)
        entries_.clear();
    state.attributes = entries_.emplace(key, make(state, fonts, colors, defaultFont)).first->second;
    return state.attributes;
}

std::shared_ptr<const TextAttributes> RTFAttributeCache::make(const RTFGroupState& state,
                                                              const RTFFontTable& fonts,
                                                              const RTFColorTable& colors,
                                                              std::int64_t defaultFont) {
    auto attributes = std::make_shared<TextAttributes>();
    if (state.fontSet)
        attributes->font =
            Font(familyFor(fonts, state.fontNumber, defaultFont),
                 state.halfPoints >= 0 ? state.halfPoints / 2.0 : 12.0, state.bold, state.italic);
    attributes->underline = state.underline;
    attributes->strikethrough = state.strikethrough;
    attributes->foregroundColor = colors.at(state.foreground);
    attributes->backgroundColor = colors.at(state.background);
    attributes->link = state.link;
    attributes->paragraphStyle = state.paragraph;
    return attributes;
}

} // namespace platform

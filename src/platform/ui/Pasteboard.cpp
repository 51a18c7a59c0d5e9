#include "platform/ui/Pasteboard.h"

#include "platform/ui/Environment.h"

#include <algorithm>

namespace platform {

Pasteboard::Pasteboard() = default;

std::shared_ptr<Pasteboard> Pasteboard::generalPasteboard() {
    return Environment::current().generalPasteboard.get();
}

void Pasteboard::clearContents() {
    items_.clear();
    types_.changed();
}

bool Pasteboard::setString(const String& string, const String& type) {
    auto bytes = toUtf8(string);
    if (!bytes)
        return false;
    write(type, dataFromBytes(*bytes));
    return true;
}

void Pasteboard::setData(const Data& data, const String& type) {
    write(type, data);
}

void Pasteboard::write(const String& type, Data bytes) {
    const auto found = std::find_if(items_.begin(), items_.end(),
                                    [&](const auto& item) { return item.first == type; });
    if (found != items_.end())
        found->second = std::move(bytes);
    else
        items_.emplace_back(type, std::move(bytes));
    types_.changed();
}

std::vector<String> Pasteboard::types() const {
    std::vector<String> types;
    for (const auto& item : items_)
        types.push_back(item.first);
    return types;
}

std::optional<Data> Pasteboard::dataForType(const String& type) const {
    for (const auto& item : items_)
        if (item.first == type)
            return item.second;
    return std::nullopt;
}

std::optional<String> Pasteboard::stringForType(const String& type) const {
    const auto bytes = dataForType(type);
    return bytes ? fromUtf8(bytesOf(*bytes)) : std::nullopt;
}

} // namespace platform

#include "platform/base/Value.h"

#include "platform/base/Object.h"

#include <algorithm>

namespace platform {

Set::Set(const Array& members) {
    for (const auto& member : members)
        insert(member);
}

void Set::insert(Value member) {
    if (!contains(member))
        members_.push_back(std::move(member));
}

bool Set::contains(const Value& member) const {
    return std::find(members_.begin(), members_.end(), member) != members_.end();
}

bool Set::operator==(const Set& other) const {
    return count() == other.count() &&
           std::all_of(members_.begin(), members_.end(),
                       [&other](const Value& member) { return other.contains(member); });
}

Value::Value(Set set) : storage_(std::make_shared<const Set>(std::move(set))) {}

Value::Value(std::shared_ptr<Object> object) {
    if (object)
        storage_ = std::move(object);
}

std::shared_ptr<Object> Value::object() const {
    const auto* pointer = std::get_if<std::shared_ptr<Object>>(&storage_);
    return pointer ? *pointer : nullptr;
}

std::optional<String> Value::stringValue() const {
    if (const auto* text = string())
        return *text;
    return std::nullopt;
}

std::optional<Data> Value::dataValue() const {
    if (const auto* bytes = data())
        return *bytes;
    return std::nullopt;
}

Value Value::operator[](const String& key) const {
    const auto* entries = dictionary();
    if (!entries)
        return {};
    const auto found = entries->find(key);
    return found == entries->end() ? Value() : found->second;
}

bool Value::operator==(const Value& other) const {
    if (storage_.index() != other.storage_.index())
        return false;
    return std::visit(
        [&other](const auto& mine) -> bool {
            using T = std::decay_t<decltype(mine)>;
            const auto& theirs = std::get<T>(other.storage_);
            if constexpr (std::is_same_v<T, std::monostate>) {
                return true;
            } else if constexpr (std::is_same_v<T, Number> || std::is_same_v<T, Date>) {
                return mine == theirs;
            } else if constexpr (std::is_same_v<T, std::shared_ptr<Object>>) {
                return mine == theirs || mine->isEqual(*theirs);
            } else {
                return mine == theirs || *mine == *theirs;
            }
        },
        storage_);
}

} // namespace platform

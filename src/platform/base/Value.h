#pragma once

#include "platform/base/Data.h"
#include "platform/base/Date.h"
#include "platform/base/Number.h"
#include "platform/base/String.h"

#include <map>
#include <memory>
#include <variant>
#include <vector>

namespace platform {

class Object;
class Set;
class Value;

using Array = std::vector<Value>;
using Dictionary = std::map<String, Value>;

// An object value of the platform: none, a number, a string, data, a date, an array, a
// dictionary with string keys, a set, or any other object (a document, an image...).
// Values are immutable and cheap to copy: strings, data and collections are shared, so a
// large body held in a dictionary is never copied by passing the dictionary around.
class Value {
public:
    Value() = default; // none
    Value(Number number) : storage_(number) {}
    Value(Date date) : storage_(date) {}
    Value(String string) : storage_(std::make_shared<const String>(std::move(string))) {}
    Value(const char16_t* string) : Value(String(string)) {}
    Value(Data data) : storage_(std::make_shared<const Data>(std::move(data))) {}
    Value(Array array) : storage_(std::make_shared<const Array>(std::move(array))) {}
    Value(Dictionary dictionary)
        : storage_(std::make_shared<const Dictionary>(std::move(dictionary))) {}
    Value(Set set);
    Value(std::shared_ptr<Object> object);

    // Optional values map none to none.
    template <typename T> explicit Value(const std::optional<T>& value) {
        if (value)
            *this = Value(*value);
    }

    bool isNone() const { return std::holds_alternative<std::monostate>(storage_); }

    // Each answers null when the value is of another kind.
    const Number* number() const { return std::get_if<Number>(&storage_); }
    const Date* date() const { return std::get_if<Date>(&storage_); }
    const String* string() const { return shared<String>(); }
    const Data* data() const { return shared<Data>(); }
    const Array* array() const { return shared<Array>(); }
    const Dictionary* dictionary() const { return shared<Dictionary>(); }
    const Set* set() const { return shared<Set>(); }
    std::shared_ptr<Object> object() const;

    // Typed reads that answer none for another kind.
    std::optional<String> stringValue() const;
    std::optional<Data> dataValue() const;

    // A dictionary's value for a key: none when the value is no dictionary or lacks it.
    Value operator[](const String& key) const;

    // The number accessors as a message to none or to a non-number answers: 0, NO, 0.0.
    bool boolValue() const { return number() && number()->boolValue(); }
    std::int16_t shortValue() const { return number() ? number()->shortValue() : 0; }
    std::int32_t intValue() const { return number() ? number()->intValue() : 0; }
    std::int64_t longValue() const { return number() ? number()->longValue() : 0; }
    std::uint64_t unsignedLongLongValue() const {
        return number() ? number()->unsignedLongLongValue() : 0;
    }
    float floatValue() const { return number() ? number()->floatValue() : 0.0f; }
    double doubleValue() const { return number() ? number()->doubleValue() : 0.0; }

    // Equality of content (isEqual:); objects compare by their own equality.
    bool operator==(const Value& other) const;

private:
    template <typename T> const T* shared() const {
        const auto* pointer = std::get_if<std::shared_ptr<const T>>(&storage_);
        return pointer ? pointer->get() : nullptr;
    }

    std::variant<std::monostate, Number, Date, std::shared_ptr<const String>,
                 std::shared_ptr<const Data>, std::shared_ptr<const Array>,
                 std::shared_ptr<const Dictionary>, std::shared_ptr<const Set>,
                 std::shared_ptr<Object>>
        storage_;
};

// A set keeps its members unique by value equality; order carries no meaning.
class Set {
public:
    Set() = default;
    explicit Set(const Array& members);
    void insert(Value member);
    bool contains(const Value& member) const;
    const Array& members() const { return members_; }
    std::size_t count() const { return members_.size(); }
    bool operator==(const Set& other) const;

private:
    Array members_;
};

} // namespace platform

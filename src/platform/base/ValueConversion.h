#pragma once

#include "platform/base/Object.h"
#include "platform/base/URL.h"
#include "platform/base/Value.h"

#include <concepts>
#include <cstdint>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

namespace platform {

// How a property's type travels through key-value coding: toValue gives its platform
// value, fromValue takes one back and answers none for a value of another kind. A type
// without a specialization has no value form: key-value coding reads none for it and
// cannot write it, while C++ code and its observers use it all the same.
template <typename T> struct ValueConversion;

template <typename T>
concept ReadableByKey = requires(const T& value) {
    { ValueConversion<T>::toValue(value) } -> std::same_as<Value>;
};

template <typename T>
concept WritableByKey = requires(const Value& value) {
    { ValueConversion<T>::fromValue(value) } -> std::same_as<std::optional<T>>;
};

template <> struct ValueConversion<Value> {
    static Value toValue(const Value& value) { return value; }
    static std::optional<Value> fromValue(const Value& value) { return value; }
};

template <> struct ValueConversion<bool> {
    static Value toValue(bool value) { return Value(Number::boolean(value)); }
    static std::optional<bool> fromValue(const Value& value) {
        return value.number() ? std::optional<bool>(value.boolValue()) : std::nullopt;
    }
};

template <> struct ValueConversion<std::int64_t> {
    static Value toValue(std::int64_t value) { return Value(Number::int64(value)); }
    static std::optional<std::int64_t> fromValue(const Value& value) {
        return value.number() ? std::optional<std::int64_t>(value.longValue()) : std::nullopt;
    }
};

template <> struct ValueConversion<std::uint64_t> {
    static Value toValue(std::uint64_t value) { return Value(Number::uint64(value)); }
};

template <> struct ValueConversion<Number> {
    static Value toValue(const Number& value) { return Value(value); }
    static std::optional<Number> fromValue(const Value& value) {
        return value.number() ? std::optional<Number>(*value.number()) : std::nullopt;
    }
};

template <> struct ValueConversion<String> {
    static Value toValue(const String& value) { return Value(value); }
    static std::optional<String> fromValue(const Value& value) { return value.stringValue(); }
};

template <> struct ValueConversion<Data> {
    static Value toValue(const Data& value) { return Value(value); }
    static std::optional<Data> fromValue(const Value& value) { return value.dataValue(); }
};

template <> struct ValueConversion<Date> {
    static Value toValue(const Date& value) { return Value(value); }
    static std::optional<Date> fromValue(const Value& value) {
        return value.date() ? std::optional<Date>(*value.date()) : std::nullopt;
    }
};

// Its absolute string.
template <> struct ValueConversion<URL> {
    static Value toValue(const URL& value) { return Value(value.absoluteString()); }
};

// None is none; a value of another kind becomes none too.
template <typename T> struct ValueConversion<std::optional<T>> {
    static Value toValue(const std::optional<T>& value) requires ReadableByKey<T> {
        return value ? ValueConversion<T>::toValue(*value) : Value();
    }
    static std::optional<std::optional<T>> fromValue(const Value& value) requires WritableByKey<T> {
        return std::optional<std::optional<T>>(ValueConversion<T>::fromValue(value));
    }
};

// The platform's objects go as themselves; a null pointer is none. Whether a pointee is an
// Object is asked where the property is declared, so its class's header must be included
// there, not only declared.
template <typename T>
requires std::derived_from<T, Object>
struct ValueConversion<std::shared_ptr<T>> {
    static Value toValue(const std::shared_ptr<T>& value) {
        return value ? Value(std::static_pointer_cast<Object>(
                           std::const_pointer_cast<std::remove_const_t<T>>(value)))
                     : Value();
    }
    static std::optional<std::shared_ptr<T>> fromValue(const Value& value) {
        return std::dynamic_pointer_cast<T>(value.object());
    }
};

template <typename T>
requires ReadableByKey<T>
struct ValueConversion<std::vector<T>> {
    static Value toValue(const std::vector<T>& values) {
        Array array;
        array.reserve(values.size());
        for (const auto& value : values)
            array.push_back(ValueConversion<T>::toValue(value));
        return Value(std::move(array));
    }
};

} // namespace platform

#pragma once

#include "platform/base/PropertyBase.h"
#include "platform/base/ValueConversion.h"

#include <functional>
#include <string_view>
#include <type_traits>
#include <utility>

namespace platform {

// A value that an object computes from what it holds ("documentEdited" from the change
// count), observable and reached by key like a Property. The class calls changed() when an
// input changed, or makes the value depend on a property that tells for it:
//
//     ComputedProperty<bool> decrypted_{*this, u"decrypted", &LWCryptoDoc::isDecrypted};
//     decrypted_.dependsOn(isEncrypted_);
//
// The getter, and the setter of a value that key-value coding may write, are the owner's
// member functions or callables.
template <typename T> class ComputedProperty final : public PropertyBase {
public:
    template <typename Owner, typename Getter>
    ComputedProperty(Owner& owner, std::u16string_view key, Getter getter)
        : PropertyBase(owner, key), getter_(bound(owner, getter)) {}

    template <typename Owner, typename Getter, typename Setter>
    requires WritableByKey<T> ComputedProperty(Owner& owner, std::u16string_view key, Getter getter,
                                               Setter setter)
        : ComputedProperty(owner, key, getter) {
        write_ = [&owner, setter](const Value& value) {
            T converted = ValueConversion<T>::fromValue(value).value_or(T());
            if constexpr (std::is_member_function_pointer_v<Setter>)
                (owner.*setter)(std::move(converted));
            else
                setter(std::move(converted));
        };
    }

    // Reads see an edit pending on the value.
    [[nodiscard]] T get() const {
        commitPendingEdits();
        return getter_();
    }

    // Told at every change of the source too, after the source's own observers.
    void dependsOn(PropertyBase& source) { source.addDependent(*this); }

    [[nodiscard]] Value value() const override {
        if constexpr (ReadableByKey<T>)
            return ValueConversion<T>::toValue(get());
        else
            return {};
    }
    void setValue(const Value& value) override {
        if (write_)
            write_(value);
    }

private:
    template <typename Owner, typename Getter>
    static std::function<T()> bound(Owner& owner, Getter getter) {
        if constexpr (std::is_member_function_pointer_v<Getter>)
            return [&owner, getter] { return (owner.*getter)(); };
        else
            return getter;
    }

    std::function<T()> getter_;
    std::function<void(const Value&)> write_;
};

} // namespace platform

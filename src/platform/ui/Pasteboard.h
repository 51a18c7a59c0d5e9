#pragma once

#include "platform/base/ComputedProperty.h"
#include "platform/base/Data.h"
#include "platform/base/Object.h"
#include "platform/base/String.h"

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace platform {

// Typed contents handed between applications: the general pasteboard of copy and paste,
// or the one that a Services request brings. Each type holds a string or bytes; a string
// read from bytes is their UTF-8 text. Observers of "types" hear of every change.
class Pasteboard : public Object {
public:
    // Plain text.
    static constexpr const char16_t* stringType = u"public.utf8-plain-text";
    static constexpr const char16_t* rtfType = u"public.rtf";

    Pasteboard();

    // The environment's, made on first use.
    [[nodiscard]] static std::shared_ptr<Pasteboard> generalPasteboard();

    void clearContents();

    // Adds the type, or replaces what it held; answers whether it was written (a string
    // with a lone surrogate has no form that other applications read).
    bool setString(const String& string, const String& type);
    void setData(const Data& data, const String& type);

    // In the order first written.
    [[nodiscard]] std::vector<String> types() const;
    [[nodiscard]] const ComputedProperty<std::vector<String>>& typesProperty() const {
        return types_;
    }

    // None when the type is not there, or its bytes are no UTF-8.
    [[nodiscard]] std::optional<String> stringForType(const String& type) const;
    [[nodiscard]] std::optional<Data> dataForType(const String& type) const;

private:
    void write(const String& type, Data bytes);

    std::vector<std::pair<String, Data>> items_;
    ComputedProperty<std::vector<String>> types_{*this, u"types", &Pasteboard::types};
};

} // namespace platform

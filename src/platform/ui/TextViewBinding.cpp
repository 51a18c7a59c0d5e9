#include "platform/ui/TextViewBinding.h"

#include "platform/ui/BindableValue.h"
#include "platform/ui/BoundTextContent.h"
#include "platform/ui/Text.h"

namespace platform {
namespace {

String firstKey(const String& keyPath) {
    return keyPath.substr(0, keyPath.find(u'.'));
}

BindableValue contentValue(const std::shared_ptr<Text>& text, BoundTextContent::Form form,
                           const std::shared_ptr<Object>& object, const String& keyPath) {
    const auto content = std::make_shared<BoundTextContent>(text, form);
    const std::weak_ptr<Object> weakObject = object;
    const String key = firstKey(keyPath);
    BindableValue value;
    value.get = [content] { return content->content(); };
    value.set = [content](const Value& shown) { content->show(shown); };
    value.observeEdits = [content, weakObject, key](BindableValue::Edited edited) {
        return content->handOverEdits(weakObject.lock(), key, std::move(edited));
    };
    return value;
}

BindableValue editableValue(const std::shared_ptr<Text>& text) {
    const std::weak_ptr<Text> weak = text;
    BindableValue value;
    value.get = [weak] {
        const auto locked = weak.lock();
        return locked ? Value(Number::boolean(locked->isEditable())) : Value();
    };
    value.set = [weak](const Value& shown) {
        if (const auto locked = weak.lock())
            locked->setEditable(shown.boolValue());
    };
    return value;
}

} // namespace

std::unique_ptr<Binding> TextViewBinding::bind(const std::shared_ptr<Text>& text,
                                               const String& binding,
                                               const std::shared_ptr<Object>& object,
                                               const String& keyPath,
                                               const BindingOptions& options) {
    if (!text || !object)
        return nullptr;
    if (binding == u"data")
        return Binding::bind(contentValue(text, BoundTextContent::Form::RTF, object, keyPath),
                             object, keyPath, options);
    if (binding == u"value")
        return Binding::bind(
            contentValue(text, BoundTextContent::Form::PlainString, object, keyPath), object,
            keyPath, options);
    if (binding == u"editable")
        return Binding::bind(editableValue(text), object, keyPath, options);
    return Binding::bind(text, binding, object, keyPath, options);
}

} // namespace platform

#pragma once

#include "platform/base/Object.h"
#include "platform/base/String.h"
#include "platform/ui/Binding.h"
#include "platform/ui/BindingOptions.h"

#include <memory>

namespace platform {

class Text;

// The bindings of a text view, as its interface files make them:
//   "data"      the content as RTF data (a Data key, the document's body)
//   "value"     the content as a plain string (a String key)
//   "editable"  whether the user may edit the text (a number holding a boolean), shown only
// and those of every view ("hidden").
//
// A new value of the key replaces the content, also over an edit not yet handed back:
// the model wins. The content is not written back per keystroke: the text's edits wait
// until its editing ends (it stops being first responder) or until anyone reads the key
// through key-value coding, which first commits them (Object::addPendingEdit). So every
// reader of the key sees the last keystroke, while the text is still being edited too.
// (The option continuouslyUpdatesValue therefore does not apply to the content.)
class TextViewBinding {
public:
    // None when the view has no such binding, there is no object, or the transformer's
    // name is unknown.
    [[nodiscard]] static std::unique_ptr<Binding> bind(const std::shared_ptr<Text>& text,
                                                       const String& binding,
                                                       const std::shared_ptr<Object>& object,
                                                       const String& keyPath,
                                                       const BindingOptions& options = {});
};

} // namespace platform

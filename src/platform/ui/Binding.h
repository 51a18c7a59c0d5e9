#pragma once

#include "platform/base/Object.h"
#include "platform/base/Observation.h"
#include "platform/base/String.h"
#include "platform/ui/BindableValue.h"
#include "platform/ui/BindingOptions.h"

#include <memory>

namespace platform {

class KeyPathObservation;
class ValueTransformer;
class View;

// Keeps a view's value in step with an object's key path ("myIsEditable",
// "values.StartupActionTag" of a user-defaults controller): every change of the model is
// shown, passed through the value transformer when there is one, and every edit of the
// user is written to the model, through the reverse transformation. A value the model
// holds already is not written again, and a transformer that does not reverse makes the
// binding show the model only.
//
// The binding lives as long as its owner keeps it (the loaded interface); it holds the
// view and the object weakly, and ends quietly when either has gone.
class Binding {
public:
    using Options = BindingOptions;

    // None when the view has no such binding (see BindableValue::forView), there is no
    // object, the transformer's name is unknown, or the object lacks the key path's first
    // key, which is reported (BaseEnvironment::reportFailure). Keys further on are reported
    // when they are observed.
    [[nodiscard]] static std::unique_ptr<Binding>
    bind(const std::shared_ptr<View>& view, const String& binding,
         const std::shared_ptr<Object>& object, const String& keyPath, const Options& options = {});
    // For a view that supplies its own side.
    [[nodiscard]] static std::unique_ptr<Binding> bind(BindableValue viewSide,
                                                       const std::shared_ptr<Object>& object,
                                                       const String& keyPath,
                                                       const Options& options = {});

    Binding(BindableValue viewSide, const std::shared_ptr<Object>& object, String keyPath,
            std::shared_ptr<ValueTransformer> transformer);
    ~Binding();
    Binding(const Binding&) = delete;
    Binding& operator=(const Binding&) = delete;

    [[nodiscard]] const String& keyPath() const { return keyPath_; }
    [[nodiscard]] const std::shared_ptr<ValueTransformer>& valueTransformer() const {
        return transformer_;
    }

private:
    void showModel();
    void writeEdit();

    BindableValue view_;
    std::weak_ptr<Object> object_;
    String keyPath_;
    std::shared_ptr<ValueTransformer> transformer_;
    bool writing_ = false;
    // Last, so that no observer outlives what it uses.
    std::unique_ptr<KeyPathObservation> modelChanges_;
    Observation edits_;
};

} // namespace platform

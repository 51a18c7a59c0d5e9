#pragma once

#include "platform/base/Object.h"
#include "platform/base/Property.h"
#include "platform/ui/PrintInfo.h"

#include <functional>
#include <memory>

namespace platform {

class View;
class Window;

// Printing a view with the print panel: running the operation hands it to the presenter
// (the Qt backend's print dialog, or a test) and returns at once; the presenter renders
// the view on pages laid out by printInfo(), the shared print info as it was when the
// operation was made, and answers with complete or cancel. Observers of "state" hear the
// answer.
class PrintOperation : public Object {
public:
    enum class State { Pending, Printed, Cancelled };
    using Presenter = std::function<void(const std::shared_ptr<PrintOperation>& operation)>;
    using Completion = std::function<void(bool printed)>;

    // The environment's presenter; none removes it, and without one an operation is
    // cancelled when it runs.
    static void setPresenter(Presenter presenter);

    [[nodiscard]] static std::shared_ptr<PrintOperation>
    printOperationWithView(std::shared_ptr<View> view);

    explicit PrintOperation(std::shared_ptr<View> view);

    // Cancels every operation still pending whose view lies in the window.
    static void cancelOperationsOfWindow(const Window& window);
    // Whether it is shown for the window.
    [[nodiscard]] bool belongsTo(const Window& window) const;

    [[nodiscard]] const std::shared_ptr<View>& view() const { return view_; }
    [[nodiscard]] const PrintInfo& printInfo() const { return printInfo_; }
    [[nodiscard]] State state() const { return state_.get(); }
    [[nodiscard]] const Property<State>& stateProperty() const { return state_; }

    void runOperation(Completion completion = {});

    // The print panel's answers; an operation answers once.
    void complete();
    void cancel();

private:
    void finish(State state);

    std::shared_ptr<View> view_;
    PrintInfo printInfo_;
    Property<State> state_{*this, u"state", State::Pending};
    Completion completion_;
};

// By key, the state's number.
template <> struct ValueConversion<PrintOperation::State> {
    static Value toValue(PrintOperation::State state) {
        return Value(Number::int32(static_cast<int>(state)));
    }
};

} // namespace platform

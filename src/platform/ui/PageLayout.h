#pragma once

#include "platform/base/Object.h"
#include "platform/base/Property.h"
#include "platform/ui/PrintInfo.h"

#include <functional>
#include <memory>

namespace platform {

class Window;

// The page setup: beginning it hands it to the presenter (the Qt backend's page setup
// dialog, or a test) and returns at once. The presenter shows the settings of printInfo(),
// a copy of the shared print info, lets the user change them and answers: complete() (OK)
// stores them into the shared print info, cancel() leaves that as it was. Observers of
// "state" hear the answer.
class PageLayout : public Object {
public:
    enum class State { Pending, Accepted, Cancelled };
    using Presenter = std::function<void(const std::shared_ptr<PageLayout>& layout)>;
    using Completion = std::function<void(bool accepted)>;

    // The environment's presenter; none removes it, and without one a page layout is
    // cancelled when it begins.
    static void setPresenter(Presenter presenter);

    [[nodiscard]] static std::shared_ptr<PageLayout> pageLayout();

    // Shows the page setup for the window, or for the application when there is none.
    void beginSheetModalForWindow(std::shared_ptr<Window> window, Completion completion = {});

    // Cancels every page layout still pending for the window.
    static void cancelLayoutsOfWindow(const Window& window);
    // Whether it is shown for the window.
    [[nodiscard]] bool belongsTo(const Window& window) const;

    [[nodiscard]] const std::shared_ptr<Window>& window() const { return window_; }
    [[nodiscard]] PrintInfo& printInfo() { return printInfo_; }
    [[nodiscard]] const PrintInfo& printInfo() const { return printInfo_; }
    [[nodiscard]] State state() const { return state_.get(); }
    [[nodiscard]] const Property<State>& stateProperty() const { return state_; }

    // The answers; a page layout answers once.
    void complete();
    void cancel();

private:
    void finish(State state);

    std::shared_ptr<Window> window_;
    PrintInfo printInfo_;
    Property<State> state_{*this, u"state", State::Pending};
    Completion completion_;
};

// By key, the state's number.
template <> struct ValueConversion<PageLayout::State> {
    static Value toValue(PageLayout::State state) {
        return Value(Number::int32(static_cast<int>(state)));
    }
};

} // namespace platform

#pragma once

#include "platform/base/Object.h"
#include "platform/base/Property.h"
#include "platform/ui/ModalResponse.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

class AlertPanel;
class Window;

enum class AlertStyle { Warning = 0, Informational = 1, Critical = 2 };

// A message with buttons, shown as a sheet on a window or application-modal. The buttons
// answer 1000, 1001, 1002... in the order added; the first is the default. An alert
// shown without buttons gets one "OK" button. Make alerts with std::make_shared.
//
// Observable: "modalResponse", told when an application-modal alert is answered.
class Alert : public Object {
public:
    using CompletionHandler = std::function<void(ModalResponse returnCode)>;

    Alert();

    [[nodiscard]] String messageText() const { return messageText_; }
    void setMessageText(const String& text) { messageText_ = text; }
    [[nodiscard]] String informativeText() const { return informativeText_; }
    void setInformativeText(const String& text) { informativeText_ = text; }
    [[nodiscard]] AlertStyle alertStyle() const { return alertStyle_; }
    void setAlertStyle(AlertStyle style) { alertStyle_ = style; }

    void addButtonWithTitle(const String& title) { buttonTitles_.push_back(title); }
    [[nodiscard]] const std::vector<String>& buttonTitles() const { return buttonTitles_; }

    // Begins the alert as a sheet on the window, like any other sheet (it waits behind an
    // attached one), and returns at once; the handler runs with the answer. Without a
    // window the alert runs application-modal and then the handler runs.
    void beginSheetModalForWindow(const std::shared_ptr<Window>& window, CompletionHandler handler);

    // Shows the alert application-modal through the application's modal runner and
    // returns its answer once the user has given it.
    [[nodiscard]] ModalResponse runModal();

    // Attached as a sheet or running application-modal.
    [[nodiscard]] bool isShown() const;

    // User entry points: answer with the button at the index or with the title. False
    // when the alert is not shown or has no such button.
    [[nodiscard]] bool userPressButton(std::size_t index);
    [[nodiscard]] bool userPressButton(const String& title);

    [[nodiscard]] const Property<std::optional<ModalResponse>>& modalResponseProperty() const {
        return modalResponse_;
    }

private:
    void addDefaultButton();

    String messageText_;
    String informativeText_;
    AlertStyle alertStyle_ = AlertStyle::Warning;
    std::vector<String> buttonTitles_;
    std::weak_ptr<AlertPanel> sheet_;
    bool runningModal_ = false;
    Property<std::optional<ModalResponse>> modalResponse_{*this, u"modalResponse"};
};

} // namespace platform

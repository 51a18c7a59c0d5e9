#pragma once

#include "platform/ui/Panel.h"

#include <memory>

namespace platform {

class Alert;

// The sheet that shows an alert; it keeps the alert alive while it is shown or waits.
class AlertPanel : public Panel {
public:
    explicit AlertPanel(std::shared_ptr<Alert> alert);

    [[nodiscard]] std::shared_ptr<Alert> alert() const { return alert_; }

    // The alert that a window (an attached sheet, say) shows; none for other windows.
    [[nodiscard]] static std::shared_ptr<Alert> alertOf(const std::shared_ptr<Window>& window);

private:
    std::shared_ptr<Alert> alert_;
};

} // namespace platform

#include "platform/ui/AlertPanel.h"

#include "platform/ui/Alert.h"

namespace platform {

AlertPanel::AlertPanel(std::shared_ptr<Alert> alert) : alert_(std::move(alert)) {
    setTitle(alert_->messageText());
}

std::shared_ptr<Alert> AlertPanel::alertOf(const std::shared_ptr<Window>& window) {
    const auto panel = std::dynamic_pointer_cast<AlertPanel>(window);
    return panel ? panel->alert() : nullptr;
}

} // namespace platform

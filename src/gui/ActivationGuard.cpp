#include "gui/ActivationGuard.h"

namespace gui {

void ActivationGuard::activate(QWidget* window) {
    requested_ = window;
    requestedAt_.start();
    window->raise();
    window->activateWindow();
}

bool ActivationGuard::activatedByUser(QWidget* window) {
    if (!requested_ || requestedAt_.hasExpired(requestLifetimeMilliseconds)) {
        requested_ = nullptr;
        return true;
    }
    if (requested_ == window)
        requested_ = nullptr;
    return false;
}

} // namespace gui

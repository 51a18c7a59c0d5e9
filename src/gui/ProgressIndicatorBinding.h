#pragma once

#include "gui/ViewBinding.h"

class QProgressBar;

namespace platform {
class ProgressIndicator;
}

namespace gui {

// A spinning progress indicator as a busy progress bar while it animates.
class ProgressIndicatorBinding : public ViewBinding {
public:
    ProgressIndicatorBinding(std::shared_ptr<platform::ProgressIndicator> indicator,
                             QProgressBar* widget);

private:
    void showAnimating();

    std::shared_ptr<platform::ProgressIndicator> indicator_;
    QProgressBar* bar_;
};

} // namespace gui

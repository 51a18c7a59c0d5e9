#pragma once

#include "gui/OwnedPrinter.h"
#include "platform/base/Observation.h"

#include <QPageSetupDialog>
#include <memory>

namespace platform {
class PageLayout;
}

namespace gui {

// Qt's page setup dialog for a page layout, showing the layout's settings. Accepting
// hands the settings chosen to the layout and completes it; rejecting cancels it. A layout
// the model cancels first closes the dialog. The dialog deletes itself once answered.
class PageSetupDialog : private OwnedPrinter, public QPageSetupDialog {
public:
    PageSetupDialog(std::shared_ptr<platform::PageLayout> layout, QWidget* parent);
    ~PageSetupDialog() override;
    PageSetupDialog(const PageSetupDialog&) = delete;
    PageSetupDialog& operator=(const PageSetupDialog&) = delete;

    [[nodiscard]] const std::shared_ptr<platform::PageLayout>& layout() const { return layout_; }

private:
    void answer(int result);
    [[nodiscard]] QPageLayout chosenLayout() const;

    std::shared_ptr<platform::PageLayout> layout_;
    platform::Observation stateChanged_;
};

} // namespace gui

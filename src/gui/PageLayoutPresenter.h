#pragma once

#include "gui/PrintPresenter.h"

#include <memory>

namespace platform {
class PageLayout;
}

namespace gui {

// Presents page layouts as Qt's page setup dialog (a PageSetupDialog), which returns at
// once: modal to the widget of the layout's window, else to the application.
class PageLayoutPresenter {
public:
    // Installs the presenter for every page layout; uninstall() removes it.
    static void install(PrintPresenter::WindowWidgets widgets);
    static void uninstall();

    static void present(const std::shared_ptr<platform::PageLayout>& layout,
                        const PrintPresenter::WindowWidgets& widgets);
};

} // namespace gui

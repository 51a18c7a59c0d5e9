#include "gui/PageLayoutPresenter.h"

#include "gui/PageSetupDialog.h"
#include "platform/ui/PageLayout.h"
#include "platform/ui/Window.h"

#include <QApplication>

namespace gui {

void PageLayoutPresenter::install(PrintPresenter::WindowWidgets widgets) {
    platform::PageLayout::setPresenter(
        [widgets = std::move(widgets)](const auto& layout) { present(layout, widgets); });
}

void PageLayoutPresenter::uninstall() {
    platform::PageLayout::setPresenter({});
}

void PageLayoutPresenter::present(const std::shared_ptr<platform::PageLayout>& layout,
                                  const PrintPresenter::WindowWidgets& widgets) {
    QWidget* windowWidget = layout->window() ? widgets(*layout->window()) : nullptr;
    auto* dialog =
        new PageSetupDialog(layout, windowWidget ? windowWidget : QApplication::activeWindow());
    PrintPresenter::show(*dialog, windowWidget != nullptr);
}

} // namespace gui

#include "gui/TabViewBinding.h"

#include "gui/FrameSizedWidget.h"
#include "gui/QtString.h"
#include "gui/ViewFactory.h"
#include "platform/ui/TabView.h"
#include "platform/ui/TabViewItem.h"

#include <QTabBar>
#include <QTabWidget>

namespace gui {

TabViewBinding::TabViewBinding(std::shared_ptr<platform::TabView> tabView, QTabWidget* widget)
    : ViewBinding(tabView, widget), tabView_(std::move(tabView)), tabWidget_(widget) {
    for (const auto& item : tabView_->tabViewItems()) {
        QWidget* page = item->view() ? ViewFactory::widgetFor(item->view(), widget)
                                     : new FrameSizedWidget(widget);
        widget->addTab(page, toQString(item->label()));
    }
    showSelection();
    showTabs();
    observe(tabView_->selectedIndexProperty(), [this] { showSelection(); });
    observe(tabView_->tablessProperty(), [this] { showTabs(); });
    connect(widget, &QTabWidget::currentChanged, this, [this](int index) {
        const auto keepAlive = tabView_;
        tabView_->userSelectTabViewItemAtIndex(index);
        showSelection();
    });
}

void TabViewBinding::showSelection() {
    const QSignalBlocker quiet(tabWidget_);
    tabWidget_->setCurrentIndex(static_cast<int>(tabView_->indexOfSelectedTabViewItem()));
}

// Without tabs the pages show without the tab bar and the frame around them.
void TabViewBinding::showTabs() {
    const bool tabless = tabView_->isTabless();
    tabWidget_->tabBar()->setVisible(!tabless);
    tabWidget_->setDocumentMode(tabless);
}

} // namespace gui

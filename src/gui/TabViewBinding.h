#pragma once

#include "gui/ViewBinding.h"

class QTabWidget;

namespace platform {
class TabView;
}

namespace gui {

// A tab view as a tab widget with a page for each item's view; choosing a tab selects it
// in the model. A tabless tab view shows no tab bar.
class TabViewBinding : public ViewBinding {
public:
    TabViewBinding(std::shared_ptr<platform::TabView> tabView, QTabWidget* widget);

private:
    void showSelection();
    void showTabs();

    std::shared_ptr<platform::TabView> tabView_;
    QTabWidget* tabWidget_;
};

} // namespace gui

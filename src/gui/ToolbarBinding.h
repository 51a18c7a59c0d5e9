#pragma once

#include "platform/base/Observation.h"

#include <QObject>
#include <memory>
#include <vector>

class QAction;
class QToolBar;

namespace platform {
class Toolbar;
class ToolbarItem;
} // namespace platform

namespace gui {

// Keeps a QToolBar in step with a window's toolbar: a button for each item with its
// label, tool tip, image (the bundle's SVG or PNG, else the icon theme's, else the label
// alone) and enabled flag; the selected item shows checked; visible as the toolbar is. A
// click goes to the item. The items are validated after each click and key press in the window, as
// the platform validates them after events.
class ToolbarBinding : public QObject {
public:
    ToolbarBinding(std::shared_ptr<platform::Toolbar> toolbar, QToolBar* bar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeActions();
    QAction* addItem(const std::shared_ptr<platform::ToolbarItem>& item);
    void showSelection();
    void validateLater();

    std::shared_ptr<platform::Toolbar> toolbar_;
    QToolBar* bar_;
    std::vector<std::pair<std::shared_ptr<platform::ToolbarItem>, QAction*>> actions_;
    std::vector<platform::Observation> observations_;
    std::vector<platform::Observation> itemObservations_;
    bool validationPending_ = false;
};

} // namespace gui

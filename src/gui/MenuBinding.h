#pragma once

#include "platform/base/Observation.h"

#include <QObject>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace platform {
class Menu;
class MenuItem;
} // namespace platform

namespace gui {

// Keeps a QMenu in step with a menu of the model: an action for each item with its title,
// check mark, enabled flag and key equivalent, a separator or a submenu. The model
// validates the menu each time it is about to show; choosing an item goes to the item.
class MenuBinding : public QObject {
    Q_OBJECT

public:
    MenuBinding(std::shared_ptr<platform::Menu> menu, QMenu* qmenu);

    [[nodiscard]] static QMenu* menuFor(const std::shared_ptr<platform::Menu>& menu,
                                        const QString& title, QWidget* parent);

    [[nodiscard]] const std::shared_ptr<platform::Menu>& menu() const { return menu_; }
    // Validates this menu and its submenus, as before a key equivalent is looked up.
    void validate();

private:
    void makeActions();
    void addItem(const std::shared_ptr<platform::MenuItem>& item);
    void observeItem(const std::shared_ptr<platform::MenuItem>& item, QAction* action);

    std::shared_ptr<platform::Menu> menu_;
    QMenu* qmenu_;
    std::vector<MenuBinding*> submenus_;
    platform::Observation itemsChanged_;
    std::vector<platform::Observation> observations_;
};

} // namespace gui

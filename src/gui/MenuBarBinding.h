#pragma once

#include "platform/base/Observation.h"

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

class QMenuBar;

namespace platform {
class Application;
}

namespace gui {

class MenuBinding;

// A window's menu bar made from the application's main menu: a menu for each of its items
// that has a submenu, made again when the main menu changes. Before the window looks up a
// key equivalent the menus are validated, so that the shortcut of an item the model now
// enables works even when its menu has not been opened since.
class MenuBarBinding : public QObject {
public:
    using Changed = std::function<void()>;

    // `changed` is told whenever the bar's height may have changed.
    MenuBarBinding(std::shared_ptr<platform::Application> application, QMenuBar* bar,
                   Changed changed);

    // The bar's height while it has menus, else 0.
    [[nodiscard]] int height() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeMenus();

    std::shared_ptr<platform::Application> application_;
    QMenuBar* bar_;
    Changed changed_;
    std::vector<MenuBinding*> menus_;
    platform::Observation mainMenuChanged_;
    platform::Observation itemsChanged_;
};

} // namespace gui

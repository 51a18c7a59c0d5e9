#include "gui/MenuBinding.h"

#include "gui/QtString.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuItem.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace gui {
namespace {

QString menuText(const platform::String& title) {
    return toQString(title).replace(u'&', QStringLiteral("&&"));
}

// A key equivalent is a character typed with the command key, here the control key; an
// upper-case letter adds shift. The delete character is the Delete key alone.
QKeySequence shortcutFor(const platform::String& keyEquivalent) {
    if (keyEquivalent.size() != 1)
        return {};
    if (keyEquivalent.front() == u'\x7f')
        return QKeySequence(QKeySequence::Delete);
    const QChar key(keyEquivalent.front());
    const bool shifted = key.isUpper();
    const QString name =
        QStringLiteral("Ctrl+") + (shifted ? QStringLiteral("Shift+") : QString()) + key.toUpper();
    return QKeySequence::fromString(name, QKeySequence::PortableText);
}

void showState(QAction& action, const platform::MenuItem& item) {
    const bool marked = item.state() != platform::ControlStateOff;
    action.setCheckable(marked);
    action.setChecked(marked);
}

} // namespace

MenuBinding::MenuBinding(std::shared_ptr<platform::Menu> menu, QMenu* qmenu)
    : QObject(qmenu), menu_(std::move(menu)), qmenu_(qmenu) {
    makeActions();
    itemsChanged_ = menu_->itemsProperty().observe([this] { makeActions(); });
    connect(qmenu, &QMenu::aboutToShow, this, [this] { menu_->update(); });
}

QMenu* MenuBinding::menuFor(const std::shared_ptr<platform::Menu>& menu, const QString& title,
                            QWidget* parent) {
    auto* qmenu = new QMenu(title, parent);
    new MenuBinding(menu, qmenu);
    return qmenu;
}

void MenuBinding::validate() {
    menu_->update();
    for (MenuBinding* submenu : submenus_)
        submenu->validate();
}

// The menu may be open while it changes: old actions and submenus go later.
void MenuBinding::makeActions() {
    for (QAction* action : qmenu_->actions()) {
        qmenu_->removeAction(action);
        if (action->parent() == qmenu_)
            action->deleteLater();
        if (QMenu* submenu = action->menu())
            submenu->deleteLater();
    }
    submenus_.clear();
    observations_.clear();
    for (const auto& item : menu_->items())
        addItem(item);
    // An empty menu (Help before it has items) is not shown.
    qmenu_->menuAction()->setVisible(!menu_->items().empty());
}

void MenuBinding::addItem(const std::shared_ptr<platform::MenuItem>& item) {
    if (item->isSeparatorItem()) {
        qmenu_->addSeparator();
        return;
    }
    if (const auto submenu = item->submenu()) {
        QMenu* qsubmenu = menuFor(submenu, menuText(item->title()), qmenu_);
        submenus_.push_back(
            qsubmenu->findChild<MenuBinding*>(QString(), Qt::FindDirectChildrenOnly));
        qmenu_->addMenu(qsubmenu);
        return;
    }
    auto* action = new QAction(menuText(item->title()), qmenu_);
    action->setShortcut(shortcutFor(item->keyEquivalent()));
    action->setEnabled(item->isEnabled());
    showState(*action, *item);
    qmenu_->addAction(action);
    observeItem(item, action);
    connect(action, &QAction::triggered, this, [item, action] {
        item->userChoose();
        showState(*action, *item);
    });
}

void MenuBinding::observeItem(const std::shared_ptr<platform::MenuItem>& item, QAction* action) {
    platform::MenuItem* observed = item.get();
    observations_.push_back(item->titleProperty().observe(
        [action, observed] { action->setText(menuText(observed->title())); }));
    observations_.push_back(
        item->stateProperty().observe([action, observed] { showState(*action, *observed); }));
    observations_.push_back(item->enabledProperty().observe(
        [action, observed] { action->setEnabled(observed->isEnabled()); }));
}

} // namespace gui

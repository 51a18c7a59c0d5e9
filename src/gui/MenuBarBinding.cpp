#include "gui/MenuBarBinding.h"

#include "gui/MenuBinding.h"
#include "gui/QtString.h"
#include "platform/ui/Application.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuItem.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace gui {
namespace {

// The title with its first letter that no menu before it uses as its mnemonic ("&File",
// "F&ormat"); `used` collects the letters taken.
QString withMnemonic(const QString& title, QString& used) {
    QString escaped = title;
    escaped.replace(u'&', QStringLiteral("&&"));
    for (qsizetype index = 0; index < escaped.size(); ++index) {
        const QChar letter = escaped[index].toLower();
        if (!letter.isLetter() || used.contains(letter))
            continue;
        used += letter;
        return escaped.insert(index, u'&');
    }
    return escaped;
}

} // namespace

MenuBarBinding::MenuBarBinding(std::shared_ptr<platform::Application> application, QMenuBar* bar,
                               Changed changed)
    : QObject(bar), application_(std::move(application)), bar_(bar), changed_(std::move(changed)) {
    makeMenus();
    mainMenuChanged_ = application_->mainMenuProperty().observe([this] { makeMenus(); });
    qApp->installEventFilter(this);
}

int MenuBarBinding::height() const {
    return menus_.empty() ? 0 : bar_->sizeHint().height();
}

void MenuBarBinding::makeMenus() {
    for (QAction* action : bar_->actions()) {
        bar_->removeAction(action);
        if (QMenu* menu = action->menu())
            menu->deleteLater();
    }
    menus_.clear();
    itemsChanged_.cancel();
    if (const auto mainMenu = application_->mainMenu()) {
        QString mnemonics;
        for (const auto& item : mainMenu->items()) {
            const auto submenu = item->submenu();
            if (!submenu)
                continue;
            const auto title = item->title().empty() ? submenu->title() : item->title();
            QMenu* menu = MenuBinding::menuFor(submenu, QString(), bar_);
            menu->setTitle(withMnemonic(toQString(title), mnemonics));
            menus_.push_back(menu->findChild<MenuBinding*>(QString(), Qt::FindDirectChildrenOnly));
            bar_->addMenu(menu);
        }
        itemsChanged_ = mainMenu->itemsProperty().observe([this] { makeMenus(); });
    }
    bar_->setVisible(!menus_.empty());
    if (changed_)
        changed_();
}

bool MenuBarBinding::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && bar_->window()->isActiveWindow()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            for (MenuBinding* menu : menus_)
                menu->validate();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace gui

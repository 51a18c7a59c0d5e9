#include "gui/ToolbarBinding.h"

#include "gui/QtString.h"
#include "platform/ui/Bundle.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/ToolbarItem.h"
#include "platform/ui/Window.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QTimer>
#include <QToolBar>

namespace gui {
namespace {

QIcon iconNamed(const platform::String& name) {
    if (name.empty())
        return {};
    const auto bundle = platform::Bundle::mainBundle();
    for (const auto* type : {u"svg", u"png"})
        if (const auto path = bundle->pathForResource(name, type))
            return QIcon(toQString(*path));
    return QIcon::fromTheme(toQString(name));
}

} // namespace

ToolbarBinding::ToolbarBinding(std::shared_ptr<platform::Toolbar> toolbar, QToolBar* bar)
    : QObject(bar), toolbar_(std::move(toolbar)), bar_(bar) {
    bar_->setMovable(false);
    bar_->setFloatable(false);
    bar_->setContextMenuPolicy(Qt::PreventContextMenu);
    bar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar_->setFixedHeight(static_cast<int>(platform::Window::toolbarHeight));
    makeActions();
    bar_->setVisible(toolbar_->isVisible());
    observations_.push_back(
        toolbar_->visibleProperty().observe([this] { bar_->setVisible(toolbar_->isVisible()); }));
    observations_.push_back(toolbar_->itemsProperty().observe([this] { makeActions(); }));
    observations_.push_back(
        toolbar_->selectedItemIdentifierProperty().observe([this] { showSelection(); }));
    qApp->installEventFilter(this);
    validateLater();
}

void ToolbarBinding::makeActions() {
    for (const auto& [item, action] : actions_) {
        bar_->removeAction(action);
        action->deleteLater();
    }
    actions_.clear();
    itemObservations_.clear();
    for (const auto& item : toolbar_->items())
        actions_.emplace_back(item, addItem(item));
    showSelection();
}

QAction* ToolbarBinding::addItem(const std::shared_ptr<platform::ToolbarItem>& item) {
    auto* action = new QAction(iconNamed(item->imageName()), toQString(item->label()), bar_);
    action->setToolTip(toQString(item->toolTip().empty() ? item->label() : item->toolTip()));
    action->setEnabled(item->isEnabled());
    bar_->addAction(action);
    platform::ToolbarItem* observed = item.get();
    itemObservations_.push_back(item->enabledProperty().observe(
        [action, observed] { action->setEnabled(observed->isEnabled()); }));
    itemObservations_.push_back(item->labelProperty().observe(
        [action, observed] { action->setText(toQString(observed->label())); }));
    connect(action, &QAction::triggered, this, [this, item] {
        item->userClick();
        showSelection();
    });
    return action;
}

void ToolbarBinding::showSelection() {
    const auto selected = toolbar_->selectedItemIdentifier();
    for (const auto& [item, action] : actions_) {
        const bool isSelected = selected && *selected == item->itemIdentifier();
        action->setCheckable(isSelected);
        action->setChecked(isSelected);
    }
}

bool ToolbarBinding::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if ((type == QEvent::MouseButtonRelease || type == QEvent::KeyRelease) &&
        bar_->window()->isActiveWindow())
        validateLater();
    return QObject::eventFilter(watched, event);
}

// Once the event and what it caused have run.
void ToolbarBinding::validateLater() {
    if (validationPending_)
        return;
    validationPending_ = true;
    QTimer::singleShot(0, this, [this] {
        validationPending_ = false;
        toolbar_->validateVisibleItems();
    });
}

} // namespace gui

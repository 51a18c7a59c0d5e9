#include "gui/ViewBinding.h"

#include "gui/QtString.h"
#include "gui/ScreenMapping.h"
#include "platform/ui/Control.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"

#include <QEvent>
#include <QWidget>
#include <cmath>

namespace gui {

ViewBinding::ViewBinding(std::shared_ptr<platform::View> view, QWidget* widget)
    : QObject(widget), view_(std::move(view)), widget_(widget) {
    widget->installEventFilter(this);
    applyFixedSize();
    showHiddenState();
    observe(view_->hiddenProperty(), [this] { showHiddenState(); });
    showToolTip();
    observe(view_->toolTipProperty(), [this] { showToolTip(); });
}

void ViewBinding::showToolTip() {
    widget_->setToolTip(toQString(view_->toolTip()));
}

// Never shows a widget without a parent, which would be a window of its own.
void ViewBinding::showHiddenState() {
    if (view_->isHidden())
        widget_->hide();
    else if (widget_->parentWidget())
        widget_->show();
}

ViewBinding::~ViewBinding() = default;

ViewBinding* ViewBinding::find(QWidget* root, const platform::Object* view) {
    if (!root || !view)
        return nullptr;
    for (ViewBinding* binding : root->findChildren<ViewBinding*>())
        if (binding->view().get() == view)
            return binding;
    return nullptr;
}

void ViewBinding::observe(const platform::PropertyBase& property, std::function<void()> changed) {
    observations_.push_back(property.observe(std::move(changed)));
}

void ViewBinding::observeEnabled(platform::Control& control) {
    widget_->setEnabled(control.isEnabled());
    observe(control.enabledProperty(),
            [this, &control] { widget_->setEnabled(control.isEnabled()); });
}

void ViewBinding::setFocusWidget(QWidget* widget) {
    focusWidget_ = widget;
    if (widget != widget_)
        widget->installEventFilter(this);
}

void ViewBinding::applyFixedSize() {
    const auto& hints = view_->layoutHints();
    if (hints.fixedWidth)
        widget_->setFixedWidth(static_cast<int>(std::lround(*hints.fixedWidth)));
    if (hints.fixedHeight)
        widget_->setFixedHeight(static_cast<int>(std::lround(*hints.fixedHeight)));
}

bool ViewBinding::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched == focusWidget_)
        focusedByUser();
    else if (watched == widget_ &&
             (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        reportLaidOutFrame();
    return QObject::eventFilter(watched, event);
}

void ViewBinding::focusedByUser() {
    if (const auto window = view_->window())
        (void)window->makeFirstResponder(view_);
}

void ViewBinding::reportLaidOutFrame() {
    const auto superview = view_->superview();
    if (!superview || superview->layoutHints().direction == platform::LayoutDirection::None)
        return;
    const QWidget* parent = widget_->parentWidget();
    if (!parent)
        return;
    const platform::Rect frame = ScreenMapping::childToModel(widget_->geometry(), parent->height());
    if (frame != view_->frame())
        view_->setFrame(frame);
}

} // namespace gui

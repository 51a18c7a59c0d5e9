#include "gui/ContainerBinding.h"

#include "gui/FrameSizedWidget.h"
#include "gui/ScreenMapping.h"
#include "gui/ViewFactory.h"
#include "platform/ui/View.h"

#include <QBoxLayout>
#include <cmath>

namespace gui {

ContainerBinding::ContainerBinding(std::shared_ptr<platform::View> view, FrameSizedWidget* widget)
    : ViewBinding(std::move(view), widget), container_(widget) {
    const auto& hints = this->view()->layoutHints();
    if (hints.direction != platform::LayoutDirection::None) {
        layout_ = new QBoxLayout(hints.direction == platform::LayoutDirection::Row
                                     ? QBoxLayout::LeftToRight
                                     : QBoxLayout::TopToBottom,
                                 widget);
        layout_->setContentsMargins(0, 0, 0, 0);
        layout_->setSpacing(static_cast<int>(std::lround(hints.spacing)));
    }
    showPreferredSize();
    makeChildren();
    observe(this->view()->subviewsProperty(), [this] { makeChildren(); });
    observe(this->view()->frameProperty(), [this] {
        showPreferredSize();
        placeChildren();
    });
}

void ContainerBinding::showPreferredSize() {
    const platform::Rect frame = view()->frame();
    container_->setPreferredSize(QSize(static_cast<int>(std::lround(frame.width())),
                                       static_cast<int>(std::lround(frame.height()))));
}

// Old widgets go later: the change may come from one of their own signals.
void ContainerBinding::makeChildren() {
    for (const auto& child : children_) {
        if (!child)
            continue;
        if (layout_)
            layout_->removeWidget(child);
        child->hide();
        child->deleteLater();
    }
    children_.clear();
    childFrames_.clear();
    for (const auto& subview : view()->subviews()) {
        QWidget* child = ViewFactory::widgetFor(subview, container_);
        children_.emplace_back(child);
        if (layout_)
            layout_->addWidget(child);
        else
            childFrames_.push_back(subview->frameProperty().observe([this] { placeChildren(); }));
    }
    placeChildren();
}

void ContainerBinding::placeChildren() {
    if (layout_)
        return;
    const double height = view()->frame().height();
    const auto& subviews = view()->subviews();
    for (std::size_t index = 0; index < children_.size() && index < subviews.size(); ++index) {
        QWidget* child = children_[index];
        if (!child)
            continue;
        QRect geometry = ScreenMapping::childToQt(subviews[index]->frame(), height);
        // A view without a size of its own takes its widget's natural size.
        if (geometry.width() <= 0)
            geometry.setWidth(child->sizeHint().width());
        if (geometry.height() <= 0) {
            const int natural = child->sizeHint().height();
            geometry = QRect(geometry.x(), geometry.y() - natural, geometry.width(), natural);
        }
        child->setGeometry(geometry);
    }
}

} // namespace gui

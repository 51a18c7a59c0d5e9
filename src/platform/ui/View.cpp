#include "platform/ui/View.h"

#include "platform/ui/Window.h"

#include <algorithm>

namespace platform {

View::View() : View(Rect()) {}

View::View(const Rect& frame) : frame_(*this, u"frame", frame) {}

void View::addSubview(const std::shared_ptr<View>& view) {
    if (!view || view.get() == this)
        return;
    view->removeFromSuperview();
    view->superview_ = std::static_pointer_cast<View>(shared_from_this());
    subviews_.modify([&view](auto& subviews) { subviews.push_back(view); });
}

void View::removeFromSuperview() {
    const auto parent = superview();
    superview_.reset();
    if (!parent)
        return;
    parent->subviews_.modify([this](auto& subviews) {
        std::erase_if(subviews, [this](const auto& view) { return view.get() == this; });
    });
}

std::shared_ptr<Window> View::window() const {
    const View* top = this;
    std::shared_ptr<View> keepAlive;
    while (auto parent = top->superview()) {
        keepAlive = std::move(parent);
        top = keepAlive.get();
    }
    return top->window_.lock();
}

std::shared_ptr<Responder> View::nextResponder() const {
    if (auto next = Responder::nextResponder())
        return next;
    if (auto parent = superview())
        return parent;
    return window_.lock();
}

} // namespace platform

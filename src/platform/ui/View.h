#pragma once

#include "platform/base/Property.h"
#include "platform/ui/LayoutHints.h"
#include "platform/ui/Rect.h"
#include "platform/ui/Responder.h"

#include <memory>
#include <vector>

namespace platform {

class Window;

// A rectangle of a window's view tree. Its frame is in its superview's coordinates. Make
// views with std::make_shared. Observable: "frame", "hidden", "subviews", "toolTip"
// (writable by key, as hidden).
//
// A view that edits (a text view) ends its editing in resignFirstResponder, so that
// making another view first responder commits the last edit.
class View : public Responder {
public:
    View();
    explicit View(const Rect& frame);

    [[nodiscard]] Rect frame() const { return frame_.get(); }
    void setFrame(const Rect& frame) { frame_.set(frame); }
    [[nodiscard]] const Property<Rect>& frameProperty() const { return frame_; }
    // The view's own coordinates: its frame's size at the origin.
    [[nodiscard]] Rect bounds() const { return Rect({0, 0}, frame().size); }

    [[nodiscard]] bool isHidden() const { return hidden_.get(); }
    void setHidden(bool hidden) { hidden_.set(hidden); }
    [[nodiscard]] const Property<bool>& hiddenProperty() const { return hidden_; }

    // Shown while the pointer rests on the view; empty for none.
    [[nodiscard]] String toolTip() const { return toolTip_.get(); }
    void setToolTip(const String& toolTip) { toolTip_.set(toolTip); }
    [[nodiscard]] const Property<String>& toolTipProperty() const { return toolTip_; }

    [[nodiscard]] const LayoutHints& layoutHints() const { return layoutHints_; }
    void setLayoutHints(const LayoutHints& hints) { layoutHints_ = hints; }

    [[nodiscard]] const std::vector<std::shared_ptr<View>>& subviews() const {
        return subviews_.get();
    }
    [[nodiscard]] const Property<std::vector<std::shared_ptr<View>>>& subviewsProperty() const {
        return subviews_;
    }
    // A view that has a superview is moved from there.
    void addSubview(const std::shared_ptr<View>& view);
    void removeFromSuperview();
    [[nodiscard]] std::shared_ptr<View> superview() const { return superview_.lock(); }

    // Whether the view takes the keyboard focus when the window picks the first view that
    // does (a text, an editable field); views do not.
    [[nodiscard]] virtual bool acceptsFirstResponder() const { return false; }

    // The window whose view tree holds the view; none outside a window.
    [[nodiscard]] std::shared_ptr<Window> window() const;

    // An explicit next responder, else the superview, else the window of a content view.
    [[nodiscard]] std::shared_ptr<Responder> nextResponder() const override;

private:
    friend class Window;
    void setContentViewOf(const std::shared_ptr<Window>& window) { window_ = window; }

    Property<Rect> frame_;
    Property<bool> hidden_{*this, u"hidden", false, KeyAccess::ReadWrite};
    Property<String> toolTip_{*this, u"toolTip", {}, KeyAccess::ReadWrite};
    LayoutHints layoutHints_;
    Property<std::vector<std::shared_ptr<View>>> subviews_{*this, u"subviews"};
    std::weak_ptr<View> superview_;
    std::weak_ptr<Window> window_; // set on a window's content view only
};

} // namespace platform

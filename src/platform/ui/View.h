#pragma once

#include "platform/ui/LayoutHints.h"
#include "platform/ui/Rect.h"
#include "platform/ui/Responder.h"

#include <memory>
#include <vector>

namespace platform {

class Window;

// A rectangle of a window's view tree. Its frame is in its superview's coordinates. Make
// views with std::make_shared. Observable keys: "frame", "hidden", "subviews" (observers
// of "frame" and "subviews" read the accessors).
//
// A view that edits (a text view) ends its editing in resignFirstResponder, so that
// making another view first responder commits the last edit.
class View : public Responder {
public:
    View();
    explicit View(const Rect& frame);

    [[nodiscard]] Rect frame() const { return frame_; }
    void setFrame(const Rect& frame);
    // The view's own coordinates: its frame's size at the origin.
    [[nodiscard]] Rect bounds() const { return Rect({0, 0}, frame_.size); }

    [[nodiscard]] bool isHidden() const { return hidden_; }
    void setHidden(bool hidden);

    [[nodiscard]] const LayoutHints& layoutHints() const { return layoutHints_; }
    void setLayoutHints(const LayoutHints& hints) { layoutHints_ = hints; }

    [[nodiscard]] const std::vector<std::shared_ptr<View>>& subviews() const { return subviews_; }
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

    Rect frame_;
    bool hidden_ = false;
    LayoutHints layoutHints_;
    std::vector<std::shared_ptr<View>> subviews_;
    std::weak_ptr<View> superview_;
    std::weak_ptr<Window> window_; // set on a window's content view only
};

} // namespace platform

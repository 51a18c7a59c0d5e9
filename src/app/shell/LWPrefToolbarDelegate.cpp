#include "app/shell/LWPrefToolbarDelegate.h"

#include "platform/ui/Rect.h"
#include "platform/ui/TabView.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/ToolbarItem.h"
#include "platform/ui/Window.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

using platform::String;

namespace {

// Toward zero, and within the type, so that no frame size can overflow it.
std::int32_t truncatedToInt32(double value) {
    if (std::isnan(value))
        return 0;
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(std::trunc(value), lowest, highest));
}

} // namespace

LWPrefToolbarDelegate::LWPrefToolbarDelegate() {
    exposeOutlet(u"myTabView", myTabView_);
    exposeOutlet(u"myWindow", myWindow_);
    exposeAction(u"PanelAction:", [this](const Sender& sender) { PanelAction(sender); });
    exposeAction(u"toolbaritemclicked:",
                 [this](const Sender& sender) { toolbaritemclicked(sender); });
}

std::int32_t LWPrefToolbarDelegate::ToolbarHeightForWindow(
    const std::shared_ptr<platform::Window>& window) const {
    if (!window)
        return 0;
    const platform::Rect frame = window->frame();
    return truncatedToInt32(frame.height() - window->contentRectForFrameRect(frame).height());
}

std::vector<platform::Number> LWPrefToolbarDelegate::heightArray() {
    return {};
}

std::vector<String> LWPrefToolbarDelegate::returnAllkeys() {
    return {};
}

std::shared_ptr<platform::ToolbarItem> LWPrefToolbarDelegate::toolbar(platform::Toolbar&,
                                                                      const String&, bool) {
    return nullptr;
}

void LWPrefToolbarDelegate::awakeFromNib() {
    toolbar_ = std::make_shared<platform::Toolbar>(u"prefToolBar");
    toolbar_->setDelegate(std::static_pointer_cast<LWPrefToolbarDelegate>(shared_from_this()));
    toolbar_->setAllowsUserCustomization(false);
    myHeightArray_ = heightArray();
    AttachToWindow();
    PanelAction(nullptr);
}

void LWPrefToolbarDelegate::AttachToWindow() {
    const auto window = myWindow();
    if (!window)
        return;
    window->setToolbar(toolbar_);
    window->setShowsToolbarButton(false);
}

std::vector<String> LWPrefToolbarDelegate::toolbarDefaultItemIdentifiers(platform::Toolbar&) {
    return returnAllkeys();
}

std::vector<String> LWPrefToolbarDelegate::toolbarAllowedItemIdentifiers(platform::Toolbar&) {
    return returnAllkeys();
}

std::vector<String> LWPrefToolbarDelegate::toolbarSelectableItemIdentifiers(platform::Toolbar&) {
    return returnAllkeys();
}

void LWPrefToolbarDelegate::toolbaritemclicked(const Sender&) {}

void LWPrefToolbarDelegate::PanelAction(const Sender& sender) {
    if (sender) {
        const auto item = std::dynamic_pointer_cast<platform::ToolbarItem>(sender);
        if (item && hasPane(item->tag()))
            showPane(item->tag(), item->label());
        return;
    }
    if (!toolbar_ || toolbar_->items().empty() || !hasPane(0))
        return;
    const auto first = toolbar_->items().front();
    toolbar_->setSelectedItemIdentifier(first->itemIdentifier());
    showPane(0, first->label());
}

void LWPrefToolbarDelegate::SetPanelTab(std::int32_t index) {
    if (!toolbar_ || index < 0 || static_cast<std::size_t>(index) >= toolbar_->items().size() ||
        !hasPane(index))
        return;
    const auto item = toolbar_->items()[static_cast<std::size_t>(index)];
    toolbar_->setSelectedItemIdentifier(item->itemIdentifier());
    showPane(index, item->label());
}

bool LWPrefToolbarDelegate::hasPane(std::int64_t index) const {
    if (index < 0 || static_cast<std::uint64_t>(index) >= myHeightArray_.size())
        return false;
    return !myTabView_ || index < myTabView_->numberOfTabViewItems();
}

void LWPrefToolbarDelegate::showPane(std::int64_t index, const String& title) {
    if (const auto window = myWindow())
        window->setTitle(title);
    if (myTabView_)
        myTabView_->selectTabViewItemAtIndex(index);
    resizeForPane(index);
}

// The origin is the lower-left corner: lowering it by the growth keeps the top edge.
void LWPrefToolbarDelegate::resizeForPane(std::int64_t index) {
    const auto window = myWindow();
    const platform::Rect frame = window ? window->frame() : platform::Rect();
    const std::int32_t bar = ToolbarHeightForWindow(window);
    const auto content = myHeightArray_[static_cast<std::size_t>(index)].intValue();
    // Wraps as the platform's 32-bit arithmetic does.
    const auto newHeight = static_cast<std::int32_t>(std::int64_t{content} + bar);
    const double delta = std::trunc(newHeight - frame.height());
    platform::Rect resized = frame;
    resized.origin.y -= delta;
    resized.size.height = newHeight;
    if (window)
        window->setFrame(resized, true, true);
}

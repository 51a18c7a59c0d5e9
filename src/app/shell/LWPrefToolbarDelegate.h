#pragma once

#include "platform/base/Number.h"
#include "platform/base/String.h"
#include "platform/ui/OutletOwner.h"
#include "platform/ui/Responder.h"
#include "platform/ui/ToolbarDelegate.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {
class TabView;
class Toolbar;
class ToolbarItem;
class Window;
} // namespace platform

// The toolbar of a window of panes. Pane i is the toolbar item tagged i, the tab at index i
// of myTabView and entry i of myHeightArray (its content height in points). Choosing a pane
// selects its item, shows its tab, titles the window with the item's label and resizes the
// window, animated and keeping its top edge, so that its content is the pane's height.
// A subclass names the panes through the hooks heightArray, returnAllkeys and toolbar(...);
// here they name none.
//
// An interface description makes it and keeps it alive (the toolbar and its items hold it
// weakly), connects the outlets "myTabView" and "myWindow" and then calls awakeFromNib.
// Answers the actions "PanelAction:" and "toolbaritemclicked:".
class LWPrefToolbarDelegate : public platform::Responder,
                              public platform::ToolbarDelegate,
                              public platform::OutletOwner {
public:
    LWPrefToolbarDelegate();

    // The title bar and the toolbar together, in whole points; 0 for no window.
    [[nodiscard]] std::int32_t
    ToolbarHeightForWindow(const std::shared_ptr<platform::Window>& window) const;

    // Hooks. Empty lists and no item here.
    [[nodiscard]] virtual std::vector<platform::Number> heightArray();
    // The panes' item identifiers, in pane order.
    [[nodiscard]] virtual std::vector<platform::String> returnAllkeys();
    [[nodiscard]] std::shared_ptr<platform::ToolbarItem>
    toolbar(platform::Toolbar& toolbar, const platform::String& itemIdentifier,
            bool willBeInsertedIntoToolbar) override;

    // Makes the toolbar, takes the heights, gives the toolbar to the window and shows the
    // first pane. Called once the outlets are connected; the object must be owned by a
    // std::shared_ptr.
    void awakeFromNib();
    // The window takes the toolbar and hides its toolbar button.
    void AttachToWindow();

    // Every pane's item is shown, allowed and selectable.
    [[nodiscard]] std::vector<platform::String>
    toolbarDefaultItemIdentifiers(platform::Toolbar& toolbar) override;
    [[nodiscard]] std::vector<platform::String>
    toolbarAllowedItemIdentifiers(platform::Toolbar& toolbar) override;
    [[nodiscard]] std::vector<platform::String>
    toolbarSelectableItemIdentifiers(platform::Toolbar& toolbar) override;

    void toolbaritemclicked(const Sender& sender);
    // The action of the panes' items: the pane of the item's tag (the click has selected
    // the item), or with no sender the first pane. A tag that names no pane, a sender that
    // is no toolbar item and a toolbar without items change nothing.
    void PanelAction(const Sender& sender);
    // The pane at the index; nothing for an index that names no pane.
    void SetPanelTab(std::int32_t index);

    [[nodiscard]] const std::shared_ptr<platform::TabView>& myTabView() const { return myTabView_; }
    void setMyTabView(const std::shared_ptr<platform::TabView>& tabView) { myTabView_ = tabView; }
    [[nodiscard]] const std::shared_ptr<platform::Toolbar>& toolbar() const { return toolbar_; }
    void setToolbar(const std::shared_ptr<platform::Toolbar>& toolbar) { toolbar_ = toolbar; }
    // Held weakly.
    [[nodiscard]] std::shared_ptr<platform::Window> myWindow() const { return myWindow_.lock(); }
    void setMyWindow(const std::shared_ptr<platform::Window>& window) { myWindow_ = window; }
    [[nodiscard]] const std::vector<platform::Number>& myHeightArray() const {
        return myHeightArray_;
    }
    void setMyHeightArray(const std::vector<platform::Number>& heights) {
        myHeightArray_ = heights;
    }

private:
    // A pane has an entry of the heights and, when there is a tab view, a tab.
    [[nodiscard]] bool hasPane(std::int64_t index) const;
    void showPane(std::int64_t index, const platform::String& title);
    void resizeForPane(std::int64_t index);

    std::shared_ptr<platform::TabView> myTabView_;
    std::shared_ptr<platform::Toolbar> toolbar_;
    std::weak_ptr<platform::Window> myWindow_;
    std::vector<platform::Number> myHeightArray_;
};

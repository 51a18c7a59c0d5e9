#pragma once

#include "app/shell/LWPrefToolbarDelegate.h"

// The preferences window's four panes: "General", "Edit", "Advanced" and "Update", with
// the item identifiers "0" to "3" and the bundle images "generalPref", "textEditing",
// "advanced" and "softwareUpdate".
class MyPrefToolbarDelegate : public LWPrefToolbarDelegate {
public:
    using LWPrefToolbarDelegate::toolbar;

    [[nodiscard]] std::vector<platform::Number> heightArray() override;
    [[nodiscard]] std::vector<platform::String> returnAllkeys() override;
    // A pane's item, whose action "PanelAction:" goes to this object; none for another
    // identifier.
    [[nodiscard]] std::shared_ptr<platform::ToolbarItem>
    toolbar(platform::Toolbar& toolbar, const platform::String& itemIdentifier,
            bool willBeInsertedIntoToolbar) override;
};

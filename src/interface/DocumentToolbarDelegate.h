#pragma once

#include "platform/base/Object.h"
#include "platform/ui/ToolbarDelegate.h"

// The items of the document window's toolbar. Their actions go down the responder chain to
// the document, which validates them.
class DocumentToolbarDelegate : public platform::Object, public platform::ToolbarDelegate {
public:
    [[nodiscard]] std::shared_ptr<platform::ToolbarItem>
    toolbar(platform::Toolbar& toolbar, const platform::String& itemIdentifier,
            bool willBeInsertedIntoToolbar) override;
    [[nodiscard]] std::vector<platform::String>
    toolbarDefaultItemIdentifiers(platform::Toolbar& toolbar) override;
    [[nodiscard]] std::vector<platform::String>
    toolbarAllowedItemIdentifiers(platform::Toolbar& toolbar) override;
};

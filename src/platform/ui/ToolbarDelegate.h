#pragma once

#include "platform/base/String.h"

#include <memory>
#include <vector>

namespace platform {

class Toolbar;
class ToolbarItem;

// Supplies a toolbar's items. The toolbar holds its delegate weakly.
class ToolbarDelegate {
public:
    virtual ~ToolbarDelegate() = default;

    // The item for an identifier; none for an identifier the delegate does not know.
    [[nodiscard]] virtual std::shared_ptr<ToolbarItem>
    toolbar(Toolbar& toolbar, const String& itemIdentifier, bool willBeInsertedIntoToolbar) = 0;

    [[nodiscard]] virtual std::vector<String> toolbarDefaultItemIdentifiers(Toolbar& toolbar) = 0;
    [[nodiscard]] virtual std::vector<String> toolbarAllowedItemIdentifiers(Toolbar& toolbar) = 0;
    // The items that show a selection when clicked.
    [[nodiscard]] virtual std::vector<String> toolbarSelectableItemIdentifiers(Toolbar& toolbar) {
        (void)toolbar;
        return {};
    }
};

} // namespace platform

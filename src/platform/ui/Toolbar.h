#pragma once

#include "platform/base/Object.h"
#include "platform/base/Property.h"
#include "platform/ui/ToolbarItem.h"

#include <memory>
#include <optional>
#include <vector>

namespace platform {

class ToolbarDelegate;
class Window;

// A window's toolbar. Its items come from its delegate, by the default identifiers, when
// the toolbar is first attached to a window (or its delegate is set while attached).
// Observable: "visible" (writable by key), "selectedItemIdentifier", "items".
class Toolbar : public Object {
public:
    explicit Toolbar(const String& identifier);

    [[nodiscard]] String identifier() const { return identifier_; }

    [[nodiscard]] std::shared_ptr<ToolbarDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<ToolbarDelegate>& delegate);

    // In display order.
    [[nodiscard]] const std::vector<std::shared_ptr<ToolbarItem>>& items() const {
        return items_.get();
    }
    [[nodiscard]] const Property<std::vector<std::shared_ptr<ToolbarItem>>>& itemsProperty() const {
        return items_;
    }

    // Shown at first. Showing or hiding it resizes its window (see Window).
    [[nodiscard]] bool isVisible() const { return visible_.get(); }
    void setVisible(bool visible) { visible_.change(visible); }
    [[nodiscard]] const Property<bool>& visibleProperty() const { return visible_; }

    // Flags kept for the renderer; the configuration itself is not stored.
    [[nodiscard]] bool autosavesConfiguration() const { return autosavesConfiguration_; }
    void setAutosavesConfiguration(bool autosaves) { autosavesConfiguration_ = autosaves; }
    [[nodiscard]] bool allowsUserCustomization() const { return allowsUserCustomization_; }
    void setAllowsUserCustomization(bool allows) { allowsUserCustomization_ = allows; }

    [[nodiscard]] std::optional<String> selectedItemIdentifier() const { return selected_.get(); }
    void setSelectedItemIdentifier(const std::optional<String>& identifier) {
        selected_.set(identifier);
    }
    [[nodiscard]] const Property<std::optional<String>>& selectedItemIdentifierProperty() const {
        return selected_;
    }

    // Validates each item that has an action (validateUserInterfaceItem only).
    void validateVisibleItems();

    [[nodiscard]] std::shared_ptr<Window> window() const { return attachedWindow_.lock(); }

private:
    friend class Window;
    friend class ToolbarItem;

    void attachTo(const std::shared_ptr<Window>& window);
    void loadItems();
    [[nodiscard]] bool isSelectable(const String& identifier);

    String identifier_;
    std::weak_ptr<ToolbarDelegate> delegate_;
    Property<std::vector<std::shared_ptr<ToolbarItem>>> items_{*this, u"items"};
    bool loaded_ = false;
    Property<bool> visible_{*this, u"visible", true, &Toolbar::setVisible};
    bool autosavesConfiguration_ = false;
    bool allowsUserCustomization_ = false;
    Property<std::optional<String>> selected_{*this, u"selectedItemIdentifier"};
    std::weak_ptr<Window> attachedWindow_;
};

} // namespace platform

#pragma once

#include "platform/ui/SavePanel.h"

namespace platform {

// The panel in which the user chooses files or folders to open. It takes only items that
// exist: files (packages such as RTFD folders included) when it can choose files and
// their extension is allowed (see SavePanel), other folders when it can choose folders,
// and more than one only when it allows a multiple selection. Observable: "canChooseFiles",
// "canChooseDirectories", "allowsMultipleSelection" and those of SavePanel.
class OpenPanel : public SavePanel {
public:
    [[nodiscard]] static std::shared_ptr<OpenPanel> openPanel();

    OpenPanel();

    [[nodiscard]] bool canChooseFiles() const { return canChooseFiles_.get(); }
    void setCanChooseFiles(bool can) { canChooseFiles_.set(can); }
    [[nodiscard]] bool canChooseDirectories() const { return canChooseDirectories_.get(); }
    void setCanChooseDirectories(bool can) { canChooseDirectories_.set(can); }
    [[nodiscard]] bool allowsMultipleSelection() const { return allowsMultipleSelection_.get(); }
    void setAllowsMultipleSelection(bool allows) { allowsMultipleSelection_.set(allows); }

    // The chosen items in the order chosen, once the user has answered OK.
    [[nodiscard]] const std::vector<platform::URL>& URLs() const { return chosenURLs(); }

    // User entry point for a selection of several items.
    using SavePanel::userChoose;
    [[nodiscard]] bool userChoose(const std::vector<String>& paths) {
        return userChoosePaths(paths);
    }

protected:
    [[nodiscard]] bool asksBeforeReplacing() const override { return false; }
    [[nodiscard]] std::optional<std::vector<platform::URL>>
    acceptedURLs(const std::vector<String>& paths) const override;

private:
    [[nodiscard]] bool takes(const String& path) const;

    Property<bool> canChooseFiles_{*this, u"canChooseFiles", true};
    Property<bool> canChooseDirectories_{*this, u"canChooseDirectories", false};
    Property<bool> allowsMultipleSelection_{*this, u"allowsMultipleSelection", false};
};

} // namespace platform

#pragma once

#include "platform/ui/SavePanel.h"

namespace platform {

// The panel in which the user chooses files or folders to open. It takes only items that
// exist: files (packages such as RTFD folders included) when it can choose files and
// their extension is allowed (see SavePanel), other folders when it can choose folders,
// and more than one only when it allows a multiple selection. Observable keys: "canChooseFiles",
// "canChooseDirectories", "allowsMultipleSelection" and those of SavePanel.
class OpenPanel : public SavePanel {
public:
    [[nodiscard]] static std::shared_ptr<OpenPanel> openPanel();

    OpenPanel();

    [[nodiscard]] bool canChooseFiles() const { return canChooseFiles_; }
    void setCanChooseFiles(bool can) {
        canChooseFiles_ = can;
        didChangeValueForKey(u"canChooseFiles");
    }
    [[nodiscard]] bool canChooseDirectories() const { return canChooseDirectories_; }
    void setCanChooseDirectories(bool can) {
        canChooseDirectories_ = can;
        didChangeValueForKey(u"canChooseDirectories");
    }
    [[nodiscard]] bool allowsMultipleSelection() const { return allowsMultipleSelection_; }
    void setAllowsMultipleSelection(bool allows) {
        allowsMultipleSelection_ = allows;
        didChangeValueForKey(u"allowsMultipleSelection");
    }

    // The chosen items in the order chosen, once the user has answered OK.
    [[nodiscard]] const std::vector<platform::URL>& URLs() const { return chosenURLs(); }

    // User entry point for a selection of several items.
    using SavePanel::userChoose;
    [[nodiscard]] bool userChoose(const std::vector<String>& paths) {
        return userChoosePaths(paths);
    }

protected:
    [[nodiscard]] std::optional<std::vector<platform::URL>>
    acceptedURLs(const std::vector<String>& paths) const override;

private:
    [[nodiscard]] bool takes(const String& path) const;

    bool canChooseFiles_ = true;
    bool canChooseDirectories_ = false;
    bool allowsMultipleSelection_ = false;
};

} // namespace platform

#pragma once

#include "platform/base/String.h"

#include <filesystem>
#include <memory>
#include <optional>

namespace platform {

// The program's resources (interface images, the user guide) in one folder, and its
// localized strings.
class Bundle {
public:
    // The environment's: over the resources folder next to the executable (the build tree's
    // "resources"), or else over share/sealscribe beside the installed executable's folder;
    // tests may set their own, and none brings the default back.
    [[nodiscard]] static std::shared_ptr<Bundle> mainBundle();
    static void setMainBundle(std::shared_ptr<Bundle> bundle);

    // Where the main bundle looks for an executable at that path.
    [[nodiscard]] static std::filesystem::path
    resourceFolderForExecutable(const std::filesystem::path& executable);

    explicit Bundle(std::filesystem::path resourceFolder);

    [[nodiscard]] const std::filesystem::path& resourceFolder() const { return folder_; }

    // The path of "<name>.<type>" (of the name alone when the type is empty) in the
    // resources folder; none when there is no such item or the name leaves the folder.
    [[nodiscard]] std::optional<String> pathForResource(const String& name,
                                                        const String& type) const;

    // The program ships no translations: the value when it is not empty, else the key.
    [[nodiscard]] String localizedStringForKey(const String& key, const String& value,
                                               const String& table = {}) const;

private:
    std::filesystem::path folder_;
};

} // namespace platform

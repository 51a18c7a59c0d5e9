#include "platform/ui/Bundle.h"

#include "platform/ui/Environment.h"

#include <system_error>

namespace platform {
namespace {

namespace fs = std::filesystem;

fs::path runningExecutable() {
    std::error_code error;
    return fs::read_symlink("/proc/self/exe", error);
}

bool isPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

} // namespace

std::shared_ptr<Bundle> Bundle::mainBundle() {
    return Environment::current().mainBundle.get(
        [] { return std::make_shared<Bundle>(resourceFolderForExecutable(runningExecutable())); });
}

void Bundle::setMainBundle(std::shared_ptr<Bundle> bundle) {
    Environment::current().mainBundle.set(std::move(bundle));
}

fs::path Bundle::resourceFolderForExecutable(const fs::path& executable) {
    const fs::path folder = executable.parent_path();
    fs::path buildTree = folder / "resources";
    fs::path installed = folder.parent_path() / "share" / "sealscribe";
    std::error_code error;
    if (!fs::is_directory(buildTree, error) && fs::is_directory(installed, error))
        return installed;
    return buildTree;
}

Bundle::Bundle(fs::path resourceFolder) : folder_(std::move(resourceFolder)) {}

std::optional<String> Bundle::pathForResource(const String& name, const String& type) const {
    const auto base = toUtf8(name);
    const auto extension = toUtf8(type);
    if (!base || !extension)
        return std::nullopt;
    const std::string fileName = extension->empty() ? *base : *base + "." + *extension;
    if (!isPlainName(fileName) || fileName.find('\0') != std::string::npos)
        return std::nullopt;
    const fs::path path = folder_ / fileName;
    std::error_code error;
    if (!fs::exists(path, error))
        return std::nullopt;
    return fromUtf8(path.string());
}

String Bundle::localizedStringForKey(const String& key, const String& value,
                                     const String& /*table*/) const {
    return value.empty() ? key : value;
}

} // namespace platform

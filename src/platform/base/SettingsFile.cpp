#include "platform/base/SettingsFile.h"

#include "platform/base/FileDescriptor.h"
#include "platform/base/FileIO.h"
#include "platform/base/FileWriter.h"
#include "platform/base/SettingsCoding.h"
#include "platform/base/StringEncoding.h"
#include "platform/base/SystemError.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

namespace fs = std::filesystem;

String fromBytes(const std::string& bytes) {
    if (auto text = fromUtf8(bytes))
        return *text;
    return decodeString(bytes, StringEncoding::ISOLatin1).value_or(String());
}

String quoted(const fs::path& path) {
    return u"\u201C" + fromBytes(path.string()) + u"\u201D";
}

std::string utcStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    gmtime_r(&now, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &parts);
    return text;
}

// A name beside the file that nothing holds yet, so that no earlier damaged file is lost.
fs::path asideName(const fs::path& path) {
    const std::string base = path.string() + ".damaged-" + utcStamp();
    fs::path candidate = base;
    std::error_code ignored;
    for (int n = 2; fs::exists(fs::symlink_status(candidate, ignored)); ++n)
        candidate = base + "-" + std::to_string(n);
    return candidate;
}

// Creates the missing folders, private to the user as the XDG base directories ask.
bool makeFolders(const fs::path& folder) {
    std::error_code error;
    if (folder.empty() || fs::is_directory(folder, error))
        return true;
    if (!makeFolders(folder.parent_path()))
        return false;
    return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

struct ReadResult {
    bool present = false;
    Data bytes;
    String problem; // set when the file is there but could not be read
};

ReadResult readFile(const fs::path& path) {
    ReadResult result;
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        // A folder that is missing, or a file in its place, holds no settings to keep.
        result.present = errno != ENOENT && errno != ENOTDIR;
        result.problem = u"it could not be read (" + systemErrorText(errno) + u")";
        return result;
    }
    result.present = true;
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        result.problem = u"it is not a regular file";
        return result;
    }
    if (static_cast<std::uintmax_t>(info.st_size) > SettingsFile::maximumSize) {
        result.problem = u"it is too large to be settings";
        return result;
    }
    result.bytes.reserve(static_cast<std::size_t>(info.st_size));
    if (const int error = readToEnd(file.get(), result.bytes, SettingsFile::maximumSize)) {
        result.problem = error == EFBIG ? u"it is too large to be settings"
                                        : u"it could not be read (" + systemErrorText(error) + u")";
    }
    return result;
}

} // namespace

SettingsFile::SettingsFile(std::filesystem::path path, MessageSink report)
    : path_(std::move(path)), report_(std::move(report)) {}

Dictionary SettingsFile::load() {
    const ReadResult file = readFile(path_);
    if (!file.present)
        return {};
    String problem = file.problem;
    auto settings = problem.empty() ? SettingsCoding::decode(file.bytes, problem) : std::nullopt;
    if (!settings) {
        setAside(problem, u"the default settings are used");
        return {};
    }
    dropUnkeepable(*settings);
    return *settings;
}

// A file of another writer may hold what our own file cannot (a date beyond the year 9999
// from a binary list): such entries would make every later write fail, so they leave, and
// the file that holds them is kept aside.
void SettingsFile::dropUnkeepable(Dictionary& settings) {
    String names;
    String problem;
    for (auto entry = settings.begin(); entry != settings.end();) {
        if (SettingsCoding::canKeep(entry->first, entry->second, problem)) {
            ++entry;
            continue;
        }
        names += (names.empty() ? u"" : u", ") + (u"\u201C" + entry->first + u"\u201D");
        entry = settings.erase(entry);
    }
    if (names.empty())
        return;
    setAside(u"it holds settings that cannot be saved again (" + names + u": " + problem + u")",
             u"the other settings are kept");
    needsRewrite_ = !keepsDamagedFile_;
}

void SettingsFile::setAside(const String& problem, const String& consequence) {
    const String damaged = u"The settings file " + quoted(path_) + u" is damaged: " + problem;
    const fs::path aside = asideName(path_);
    if (::rename(path_.c_str(), aside.c_str()) != 0) {
        const int error = errno;
        keepsDamagedFile_ = true;
        report_(damaged + u". It could not be moved aside (" + systemErrorText(error) +
                u"), so it is left as it is and no settings will be saved over it; " + consequence +
                u".");
        return;
    }
    report_(damaged + u". It was moved to " + quoted(aside) + u" and " + consequence + u".");
}

bool SettingsFile::write(const Dictionary& settings) {
    const String failure = u"The settings could not be saved to " + quoted(path_) + u": ";
    if (keepsDamagedFile_) {
        report_(failure + u"the damaged file there is kept for inspection.");
        return false;
    }
    String problem;
    const auto bytes = SettingsCoding::encode(settings, problem);
    if (!bytes) {
        report_(failure + problem + u".");
        return false;
    }
    if (!writeBytes(*bytes, problem)) {
        report_(failure + problem + u".");
        return false;
    }
    return true;
}

bool SettingsFile::writeBytes(const Data& bytes, String& problem) const {
    if (!makeFolders(path_.parent_path())) {
        problem = u"its folder could not be made (" + systemErrorText(errno) + u")";
        return false;
    }
    // A warning still means the settings were written.
    if (auto failure = FileWriter().writeData(bytes, fromBytes(path_.string())).error) {
        problem = std::move(*failure);
        return false;
    }
    return true;
}

} // namespace platform

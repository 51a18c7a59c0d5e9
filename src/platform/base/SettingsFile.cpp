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

// Appended rather than concatenated: GCC 12 misreads u"literal" + string at -O2
// (-Wrestrict).
String quoted(const fs::path& path) {
    String text(1, u'\u201C');
    text += fromBytes(path.string());
    text += u'\u201D';
    return text;
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

// None when there is no file; fails when it is there but cannot be read.
Result<std::optional<Data>> readFile(const fs::path& path) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        // A folder that is missing, or a file in its place, holds no settings to keep.
        if (errno == ENOENT || errno == ENOTDIR)
            return std::nullopt;
        return failure(u"it could not be read (" + systemErrorText(errno) + u")");
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return failure(u"it is not a regular file");
    if (static_cast<std::uintmax_t>(info.st_size) > SettingsFile::maximumSize)
        return failure(u"it is too large to be settings");
    Data bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    if (auto read = readToEnd(file.get(), bytes, SettingsFile::maximumSize); !read)
        return failure(read.error().cause == EFBIG
                           ? u"it is too large to be settings"
                           : u"it could not be read (" + read.error().message + u")");
    return bytes;
}

} // namespace

SettingsFile::SettingsFile(std::filesystem::path path, MessageSink report)
    : path_(std::move(path)), report_(std::move(report)) {}

Dictionary SettingsFile::load() {
    const auto file = readFile(path_);
    if (file && !*file)
        return {};
    auto settings = file ? SettingsCoding::decode(**file) : failure(file.error());
    if (!settings) {
        setAside(settings.error().message, u"the default settings are used");
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
        const auto kept = SettingsCoding::canKeep(entry->first, entry->second);
        if (kept) {
            ++entry;
            continue;
        }
        problem = kept.error().message;
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
    const auto written = SettingsCoding::encode(settings).and_then(
        [this](const Data& bytes) { return writeBytes(bytes); });
    if (!written) {
        report_(failure + written.error().message + u".");
        return false;
    }
    return true;
}

Result<> SettingsFile::writeBytes(const Data& bytes) const {
    if (!makeFolders(path_.parent_path()))
        return failure(u"its folder could not be made (" + systemErrorText(errno) + u")");
    // A warning still means the settings were written.
    auto written = FileWriter().writeData(bytes, fromBytes(path_.string()));
    if (!written)
        return failure(std::move(written.error()));
    return {};
}

} // namespace platform

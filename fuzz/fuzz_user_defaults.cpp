// Loads arbitrary bytes as the settings file, reads every key it names, and checks that
// what was loaded can be written back and read again without complaint.
#include "platform/base/PropertyList.h"
#include "platform/base/UserDefaults.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>

using namespace platform;
namespace fs = std::filesystem;

namespace {

const fs::path& folder() {
    static const fs::path made = [] {
        // Memory-backed when there is such a folder: every run syncs its file to disk.
        std::error_code error;
        const fs::path base =
            fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "fuzz-user-defaults-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        return fs::path(pattern);
    }();
    return made;
}

void readEveryKey(const UserDefaults& store, const Data& bytes) {
    const auto root = PropertyList::read(bytes);
    if (!root || !root->dictionary())
        return;
    for (const auto& entry : *root->dictionary()) {
        const String& key = entry.first;
        (void)store.objectForKey(key);
        (void)store.boolForKey(key);
        (void)store.integerForKey(key);
        (void)store.floatForKey(key);
        (void)store.doubleForKey(key);
        (void)store.stringForKey(key);
        (void)store.dataForKey(key);
        (void)store.dateForKey(key);
    }
}

void emptyFolder() {
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(folder(), ignored))
        fs::remove_all(entry.path(), ignored);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ofstream(folder() / UserDefaults::settingsFileName, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const Data bytes(data, data + size);
    {
        UserDefaults store(
            folder(), [](const String&) {}, std::chrono::hours(24));
        readEveryKey(store, bytes);
        store.setBool(true, u"written");
        if (!store.synchronize())
            std::abort();
    }
    {
        UserDefaults again(
            folder(), [](const String&) { std::abort(); }, std::chrono::hours(24));
        if (!again.boolForKey(u"written"))
            std::abort();
    }
    emptyFolder();
    return 0;
}

#pragma once

#include "platform/base/Object.h"
#include "platform/base/OperationQueue.h"
#include "platform/base/SettingsFile.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace platform {

class SettingsWriter;
class Timer;

// The settings store. A value the user set wins over the registered default of its key;
// registered defaults live in memory only and are made again at every launch. The user's
// values are kept in "Settings.plist" in the store's folder: written on synchronize, a
// short delay after a change (a burst of changes costs one write), and when the store ends.
// The delay is a timer of the main run loop, and the write it starts runs on a background
// queue. With no main run loop installed (before the program's loop starts or after it
// ends) a change is written at once, since no timer would ever fire.
//
// Key-value coding reads and writes the settings by key, and observers of a key are told
// of every change of its value. The store is used from the main thread; only its delayed
// writes run on another.
class UserDefaults : public Object {
public:
    using MessageSink = SettingsFile::MessageSink;
    using ChangeObserver = std::function<void(const String& key)>;

    static constexpr const char* settingsFileName = "Settings.plist";
    static constexpr std::chrono::milliseconds defaultWriteDelay{1000};

    // The store of the program's environment (BaseEnvironment), over standardSettingsFolder()
    // unless the environment has a folder of its own; its messages go to the log.
    static std::shared_ptr<UserDefaults> standardUserDefaults();

    // $XDG_CONFIG_HOME/Sealscribe, or ~/.config/Sealscribe.
    [[nodiscard]] static std::filesystem::path standardSettingsFolder();

    static void logMessage(const String& message);

    // Reads the settings of the folder now. The sink hears of damaged files and failed
    // writes; it may be called from the store's background queue.
    explicit UserDefaults(const std::filesystem::path& folder, MessageSink sink = logMessage,
                          std::chrono::milliseconds writeDelay = defaultWriteDelay);
    ~UserDefaults() override;

    // Registering again adds the new keys and replaces the defaults of those given again.
    void registerDefaults(const Dictionary& defaults);

    // The user's value, else the registered default, else none.
    [[nodiscard]] Value objectForKey(const String& key) const;
    [[nodiscard]] bool boolForKey(const String& key) const;
    [[nodiscard]] std::int64_t integerForKey(const String& key) const;
    [[nodiscard]] float floatForKey(const String& key) const;
    [[nodiscard]] double doubleForKey(const String& key) const;
    // A number gives its decimal text; another kind of value gives none.
    [[nodiscard]] std::optional<String> stringForKey(const String& key) const;
    [[nodiscard]] std::optional<Data> dataForKey(const String& key) const;
    [[nodiscard]] std::optional<Date> dateForKey(const String& key) const;

    // None removes the user's value. A value that the settings file cannot keep exactly (an
    // object, a set, a string with a lone surrogate, a real that is no number) is refused
    // with a message.
    void setObject(const Value& value, const String& key);
    void setBool(bool value, const String& key);
    void setInteger(std::int64_t value, const String& key);
    void setFloat(float value, const String& key);
    void removeObjectForKey(const String& key);

    // Writes the user's values now; false, with a message, when that failed.
    [[nodiscard]] bool synchronize();

    Value valueForKey(const String& key) const override;
    void setValueForKey(const Value& value, const String& key) override;

    // Told the key of every change of a value, whichever key and however it was made.
    [[nodiscard]] Observation addChangeObserver(ChangeObserver observer);

protected:
    [[nodiscard]] bool hasOpenKey(const String&) const override { return true; }

private:
    struct Snapshot {
        Dictionary settings;
        std::uint64_t changeCount = 0;
    };

    void keyDidChange(const String& key);
    [[nodiscard]] Snapshot snapshot() const;
    void scheduleWrite();
    void writeInBackground();
    [[nodiscard]] bool writeChanges();

    MessageSink report_;
    // Shared with the writes queued in the background, which may outlive the store.
    std::shared_ptr<SettingsWriter> writer_;
    std::chrono::milliseconds writeDelay_;
    mutable std::mutex mutex_; // guards the dictionaries and the change count
    Dictionary registered_;
    Dictionary userValues_;
    std::uint64_t changeCount_ = 0;
    std::vector<std::weak_ptr<ChangeObserver>> changeObservers_;
    std::shared_ptr<Timer> writeTimer_;
    OperationQueue writes_;
};

} // namespace platform

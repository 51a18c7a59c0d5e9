#include "platform/base/UserDefaults.h"

#include "platform/base/BaseEnvironment.h"
#include "platform/base/NumberText.h"
#include "platform/base/RunLoop.h"
#include "platform/base/SettingsCoding.h"
#include "platform/base/SettingsWriter.h"
#include "platform/base/Timer.h"

#include <cstdio>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace platform {
namespace {

namespace fs = std::filesystem;

fs::path homeFolder() {
    if (const char* home = std::getenv("HOME"); home && fs::path(home).is_absolute())
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return "/";
}

} // namespace

std::shared_ptr<UserDefaults> UserDefaults::standardUserDefaults() {
    auto& environment = BaseEnvironment::current();
    return environment.userDefaults.get([&environment] {
        return std::make_shared<UserDefaults>(
            environment.settingsFolder().value_or(standardSettingsFolder()));
    });
}

fs::path UserDefaults::standardSettingsFolder() {
    // Relative values are invalid by the XDG base-directory rules and are ignored.
    const char* configured = std::getenv("XDG_CONFIG_HOME");
    const fs::path config = configured && fs::path(configured).is_absolute()
                                ? fs::path(configured)
                                : homeFolder() / ".config";
    return config / "Sealscribe";
}

void UserDefaults::logMessage(const String& message) {
    std::fprintf(stderr, "Sealscribe: %s\n", toUtf8Lossy(message).c_str());
}

UserDefaults::UserDefaults(const fs::path& folder, MessageSink sink,
                           std::chrono::milliseconds writeDelay)
    : report_(std::move(sink)),
      writer_(std::make_shared<SettingsWriter>(SettingsFile(folder / settingsFileName, report_))),
      writeDelay_(writeDelay), userValues_(writer_->file().load()) {
    if (writer_->file().needsRewrite()) {
        ++changeCount_;
        scheduleWrite();
    }
}

// A delayed write still queued is dropped: this last one writes what it would have.
UserDefaults::~UserDefaults() {
    if (writeTimer_)
        writeTimer_->invalidate();
    (void)writeChanges();
    writer_->close();
}

void UserDefaults::registerDefaults(const Dictionary& defaults) {
    std::vector<String> changed;
    {
        std::lock_guard lock(mutex_);
        for (const auto& [key, value] : defaults) {
            auto& slot = registered_[key];
            if (!(slot == value) && !userValues_.contains(key))
                changed.push_back(key);
            slot = value;
        }
    }
    for (const String& key : changed)
        keyDidChange(key);
}

Value UserDefaults::objectForKey(const String& key) const {
    std::lock_guard lock(mutex_);
    if (const auto found = userValues_.find(key); found != userValues_.end())
        return found->second;
    if (const auto found = registered_.find(key); found != registered_.end())
        return found->second;
    return {};
}

bool UserDefaults::boolForKey(const String& key) const {
    const Value value = objectForKey(key);
    if (const String* text = value.string())
        return NumberText::boolValue(*text);
    return value.boolValue();
}

std::int64_t UserDefaults::integerForKey(const String& key) const {
    const Value value = objectForKey(key);
    if (const String* text = value.string())
        return NumberText::integerValue(*text);
    return value.longValue();
}

float UserDefaults::floatForKey(const String& key) const {
    const Value value = objectForKey(key);
    if (const String* text = value.string())
        return static_cast<float>(NumberText::doubleValue(*text));
    return value.floatValue();
}

double UserDefaults::doubleForKey(const String& key) const {
    const Value value = objectForKey(key);
    if (const String* text = value.string())
        return NumberText::doubleValue(*text);
    return value.doubleValue();
}

std::optional<String> UserDefaults::stringForKey(const String& key) const {
    const Value value = objectForKey(key);
    if (const Number* number = value.number())
        return NumberText::stringValue(*number);
    return value.stringValue();
}

std::optional<Data> UserDefaults::dataForKey(const String& key) const {
    return objectForKey(key).dataValue();
}

std::optional<Date> UserDefaults::dateForKey(const String& key) const {
    const Value value = objectForKey(key);
    return value.date() ? std::optional<Date>(*value.date()) : std::nullopt;
}

void UserDefaults::setObject(const Value& value, const String& key) {
    if (value.isNone()) {
        removeObjectForKey(key);
        return;
    }
    if (const auto kept = SettingsCoding::canKeep(key, value); !kept) {
        report_(u"The setting \u201C" + key + u"\u201D was not changed: " + kept.error().message +
                u".");
        return;
    }
    {
        std::lock_guard lock(mutex_);
        userValues_[key] = value;
        ++changeCount_;
    }
    scheduleWrite();
    keyDidChange(key);
}

void UserDefaults::setBool(bool value, const String& key) {
    setObject(Value(Number::boolean(value)), key);
}

void UserDefaults::setInteger(std::int64_t value, const String& key) {
    setObject(Value(Number::int64(value)), key);
}

void UserDefaults::setFloat(float value, const String& key) {
    setObject(Value(Number::float32(value)), key);
}

void UserDefaults::removeObjectForKey(const String& key) {
    {
        std::lock_guard lock(mutex_);
        if (userValues_.erase(key) == 0)
            return;
        ++changeCount_;
    }
    scheduleWrite();
    keyDidChange(key);
}

bool UserDefaults::synchronize() {
    return writeChanges();
}

// The first change of a burst schedules the write; the others find it pending. A timer of a
// loop that has ended is no longer valid, so the next loop gets one of its own.
void UserDefaults::scheduleWrite() {
    if (!RunLoop::hasMainRunLoop()) {
        (void)writeChanges();
        return;
    }
    if (writeTimer_ && writeTimer_->isValid())
        return;
    const double delay = std::chrono::duration<double>(writeDelay_).count();
    writeTimer_ = Timer::scheduledTimerWithTimeInterval(delay, false,
                                                        [this](Timer&) { writeInBackground(); });
}

// The snapshot is taken here, on the main thread; only the file's work is handed over.
void UserDefaults::writeInBackground() {
    writes_.addOperationWithBlock([writer = writer_, taken = snapshot()] {
        (void)writer->write(taken.settings, taken.changeCount);
    });
}

bool UserDefaults::writeChanges() {
    const Snapshot taken = snapshot();
    return writer_->write(taken.settings, taken.changeCount);
}

UserDefaults::Snapshot UserDefaults::snapshot() const {
    std::lock_guard lock(mutex_);
    return {userValues_, changeCount_};
}

Value UserDefaults::valueForKey(const String& key) const {
    return objectForKey(key);
}

void UserDefaults::setValueForKey(const Value& value, const String& key) {
    setObject(value, key);
}

Observation UserDefaults::addChangeObserver(ChangeObserver observer) {
    auto registration = std::make_shared<ChangeObserver>(std::move(observer));
    std::erase_if(changeObservers_, [](const auto& weak) { return weak.expired(); });
    changeObservers_.push_back(registration);
    return Observation(registration);
}

void UserDefaults::keyDidChange(const String& key) {
    didChangeValueForKey(key);
    // Observers may add or cancel observations while they are told: tell a snapshot.
    std::vector<std::shared_ptr<ChangeObserver>> live;
    for (const auto& weak : changeObservers_)
        if (auto observer = weak.lock())
            live.push_back(std::move(observer));
    for (const auto& observer : live)
        (*observer)(key);
}

} // namespace platform

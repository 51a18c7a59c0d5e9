#include "gui/BootClockWakeUp.h"

#include "platform/base/MonotonicSeconds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

namespace gui {
namespace {

constexpr double nanosecondsPerSecond = 1e9;
// QTimer counts in int milliseconds; a far-off moment is reached in steps.
constexpr double longestWaitMilliseconds = 3'600'000;

} // namespace

BootClockWakeUp::BootClockWakeUp(std::function<void()> woken)
    : woken_(std::move(woken)), fd_(timerfd_create(CLOCK_BOOTTIME, TFD_NONBLOCK | TFD_CLOEXEC)) {
    if (fd_ >= 0) {
        notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
        connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { notified(); });
        return;
    }
    fallback_.setSingleShot(true);
    fallback_.setTimerType(Qt::PreciseTimer);
    connect(&fallback_, &QTimer::timeout, this, [this] { woken_(); });
}

BootClockWakeUp::~BootClockWakeUp() {
    notifier_.reset();
    if (fd_ >= 0)
        ::close(fd_);
}

void BootClockWakeUp::arm(std::optional<double> date) {
    if (fd_ < 0) {
        if (!date) {
            fallback_.stop();
            return;
        }
        const double milliseconds = std::clamp(
            std::ceil((*date - platform::monotonicSeconds()) * 1000), 0.0, longestWaitMilliseconds);
        fallback_.start(static_cast<int>(milliseconds));
        return;
    }
    itimerspec setting{};
    if (date)
        setting.it_value = expiryAt(*date);
    timerfd_settime(fd_, TFD_TIMER_ABSTIME, &setting, nullptr);
}

timespec BootClockWakeUp::expiryAt(double date) {
    if (!(date > 0))
        return {0, 1};
    double seconds = std::floor(date);
    double nanoseconds = std::ceil((date - seconds) * nanosecondsPerSecond);
    if (nanoseconds >= nanosecondsPerSecond) {
        seconds += 1;
        nanoseconds -= nanosecondsPerSecond;
    }
    timespec expiry{};
    expiry.tv_sec = static_cast<time_t>(seconds);
    expiry.tv_nsec = static_cast<long>(nanoseconds);
    if (expiry.tv_sec == 0 && expiry.tv_nsec == 0)
        expiry.tv_nsec = 1;
    return expiry;
}

std::optional<double> BootClockWakeUp::secondsLeft() const {
    itimerspec setting{};
    if (fd_ < 0 || timerfd_gettime(fd_, &setting) != 0)
        return std::nullopt;
    if (setting.it_value.tv_sec == 0 && setting.it_value.tv_nsec == 0)
        return std::nullopt;
    return static_cast<double>(setting.it_value.tv_sec) +
           static_cast<double>(setting.it_value.tv_nsec) / nanosecondsPerSecond;
}

// The read empties the descriptor, so that the notifier does not call again for the same
// expiry.
void BootClockWakeUp::notified() {
    std::uint64_t expirations = 0;
    static_cast<void>(::read(fd_, &expirations, sizeof expirations));
    woken_();
}

} // namespace gui

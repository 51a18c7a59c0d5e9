#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>

namespace gui {

// Wakes Qt's event loop at a moment of the boot clock (platform::monotonicSeconds), nested
// loops included, through a timerfd on that clock under a socket notifier: a moment that
// passed while the machine was suspended wakes it as soon as the machine resumes. Where no
// timerfd can be made it falls back on a QTimer, which does not count suspended time.
class BootClockWakeUp final : public QObject {
public:
    explicit BootClockWakeUp(std::function<void()> woken);
    ~BootClockWakeUp() override;
    BootClockWakeUp(const BootClockWakeUp&) = delete;
    BootClockWakeUp& operator=(const BootClockWakeUp&) = delete;

    // Wakes once at `date`, at once when it has passed; none wakes never.
    void arm(std::optional<double> date);

    // The timerfd's absolute expiry for `date`: the first nanosecond not before it, and
    // never zero, which would disarm.
    [[nodiscard]] static timespec expiryAt(double date);
    // The seconds the timerfd has still to run, as the kernel holds them; none when it is
    // disarmed or there is none.
    [[nodiscard]] std::optional<double> secondsLeft() const;
    [[nodiscard]] bool usesTimerfd() const { return fd_ >= 0; }

private:
    void notified();

    std::function<void()> woken_;
    int fd_;
    std::unique_ptr<QSocketNotifier> notifier_;
    QTimer fallback_;
};

} // namespace gui

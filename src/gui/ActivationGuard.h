#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

namespace gui {

// Tells the user's activation of a window from the window system's late answers to the
// activations that the model asked for. Activating windows is asynchronous: when the model
// makes one window key and then another, the first one's activation still arrives, and
// taking it for the user's would make the first key again, and so on back and forth.
class ActivationGuard {
public:
    // The model made the window key; asks the window system to activate it.
    void activate(QWidget* window);

    // The window system activated the window: whether the user did it.
    [[nodiscard]] bool activatedByUser(QWidget* window);

private:
    // A window system that refuses an activation leaves the request pending; it lapses.
    static constexpr qint64 requestLifetimeMilliseconds = 1000;

    QPointer<QWidget> requested_;
    QElapsedTimer requestedAt_;
};

} // namespace gui

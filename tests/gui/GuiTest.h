#pragma once

#include "gui/ApplicationRenderer.h"
#include "gui/QtRunLoop.h"
#include "gui/ViewBinding.h"
#include "gui/WindowWidget.h"
#include "platform/base/ScopedMainRunLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/Environment.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace guitest {

using platform::String;

// Runs the event loop until the condition holds, for five seconds at most.
inline bool waitUntil(const std::function<bool()>& condition) {
    QDeadlineTimer deadline(5000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        // Outside a running event loop, deleteLater waits for this.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

// A model application, in an environment of the test's own, rendered on the Qt event loop,
// which also drives the main run loop (on a manual clock).
class GuiTest : public testing::Test {
protected:
    GuiTest() { environment.application.set(app); }
    ~GuiTest() override { renderer.reset(); }

    static bool waitUntil(const std::function<bool()>& condition) {
        return guitest::waitUntil(condition);
    }

    std::shared_ptr<platform::Window> shownWindow(const std::shared_ptr<platform::View>& content,
                                                  const platform::Rect& frame = {100, 200, 400,
                                                                                 300}) {
        auto window = std::make_shared<platform::Window>(frame);
        window->setContentView(content);
        window->makeKeyAndOrderFront(nullptr);
        return window;
    }

    gui::WindowWidget* widgetOf(const platform::Window& window) const {
        return renderer->widgetFor(window);
    }

    // The widget that takes the focus for a view of the window's widget.
    template <typename Widget>
    Widget* controlOf(QWidget* root, const std::shared_ptr<platform::View>& view) const {
        gui::ViewBinding* binding = gui::ViewBinding::find(root, view.get());
        return binding ? qobject_cast<Widget*>(binding->focusWidget()) : nullptr;
    }

    // Timers fire only when the test advances the clock.
    gui::QtRunLoop loop{gui::QtRunLoop::Clock::Manual};
    platform::ScopedMainRunLoop installed{loop};
    // Before what it holds, so that it ends what the test left in it.
    platform::Environment environment;
    std::shared_ptr<platform::Application> app = std::make_shared<platform::Application>();
    std::unique_ptr<gui::ApplicationRenderer> renderer =
        std::make_unique<gui::ApplicationRenderer>(app);
};

// Answers the actions it is given and records them with their senders.
class RecordingResponder : public platform::Responder {
public:
    void answer(const String& action) {
        exposeAction(action, [this, action](const Sender& sender) {
            calls.emplace_back(action, sender.get());
        });
    }

    std::vector<std::pair<String, const platform::Object*>> calls;
};

} // namespace guitest

#pragma once

#include "platform/base/ManualRunLoop.h"
#include "platform/base/ScopedMainRunLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/Environment.h"
#include "platform/ui/ScriptedModalRunner.h"
#include "platform/ui/Window.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace uitest {

using platform::String;

// A fresh environment and application per test, on a manual run loop, whose modal alerts
// fail the test unless an answer is scripted.
class UiTest : public testing::Test {
protected:
    UiTest() {
        environment.application.set(app);
        app->setModalRunner(modal);
    }

    std::shared_ptr<platform::Window> shownWindow(const platform::Rect& frame = {100, 100, 400,
                                                                                 300}) {
        auto window = std::make_shared<platform::Window>(frame);
        window->makeKeyAndOrderFront(nullptr);
        return window;
    }

    platform::ManualRunLoop loop;
    platform::ScopedMainRunLoop installed{loop};
    // Before what it holds, so that it ends what the test left in it.
    platform::Environment environment;
    std::shared_ptr<platform::Application> app = std::make_shared<platform::Application>();
    std::shared_ptr<platform::ScriptedModalRunner> modal =
        std::make_shared<platform::ScriptedModalRunner>(
            [](const std::string& failure) { ADD_FAILURE() << failure; });
};

// Answers the actions it is given and records who received what from whom.
template <typename Base = platform::Responder> class Recording : public Base {
public:
    struct Call {
        String action;
        const platform::Object* sender;
    };

    using Base::Base;

    void answer(const String& action) {
        this->exposeAction(action, [this, action](const platform::Responder::Sender& sender) {
            calls.push_back({action, sender.get()});
        });
    }

    std::vector<Call> calls;
};

using RecordingResponder = Recording<>;

} // namespace uitest

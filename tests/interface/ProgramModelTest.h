#pragma once

#include "app/shell/MyAppDelegate.h"
#include "interface/ApplicationMain.h"
#include "platform/base/ManualRunLoop.h"
#include "platform/base/ScopedMainRunLoop.h"
#include "platform/base/UserDefaults.h"
#include "platform/base/UserDefaultsController.h"
#include "platform/system/RecordingLauncher.h"
#include "platform/system/Workspace.h"
#include "platform/ui/Application.h"
#include "platform/ui/DocumentController.h"
#include "platform/ui/Environment.h"
#include "platform/ui/ScriptedPanelRunner.h"
#include "support/ScratchFolder.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace interfacetest {

using platform::String;
using platform::Value;

// The program as main starts it, headless, on a manual run loop, with its settings in the
// test's folder. Each launch builds a fresh environment over that folder, as a new run of
// the program does.
class ProgramModelTest : public testing::Test {
protected:
    struct Run {
        explicit Run(const std::filesystem::path& settingsFolder)
            : environment(settingsFolder / "Sealscribe") {
            environment.system().workspace.set(std::make_shared<platform::Workspace>(launcher));
        }

        platform::ManualRunLoop loop;
        platform::ScopedMainRunLoop installed{loop};
        platform::Environment environment;
        std::shared_ptr<platform::RecordingLauncher> launcher =
            std::make_shared<platform::RecordingLauncher>();
        std::shared_ptr<platform::ScriptedPanelRunner> modal =
            std::make_shared<platform::ScriptedPanelRunner>(
                [](const std::string& failure) { ADD_FAILURE() << failure; });
        ApplicationMain program{nullptr};
    };

    ~ProgramModelTest() override { quit(); }

    // Prepares the program and finishes launching, as the front end does; `settingsSet`
    // runs on the new run's store first, as if an earlier run had left those settings.
    Run& launch(const std::function<void(platform::UserDefaults&)>& settingsSet = {}) {
        quit();
        run_.emplace(settings.path());
        if (settingsSet)
            settingsSet(*store());
        run_->program.prepare(1, arguments);
        application()->setModalRunner(run_->modal);
        application()->finishLaunching();
        run_->loop.runUntilIdle();
        return *run_;
    }

    void quit() {
        if (!run_)
            return;
        for (const auto& document : std::vector(run_->program.controller()->documents()))
            document->close();
        application()->terminate(nullptr);
        run_->loop.runUntilIdle();
        run_.reset();
    }

    [[nodiscard]] const std::shared_ptr<platform::Application>& application() const {
        return run_->program.application();
    }
    [[nodiscard]] std::shared_ptr<MyAppDelegate> delegate() const {
        return std::dynamic_pointer_cast<MyAppDelegate>(application()->delegate());
    }
    [[nodiscard]] static std::shared_ptr<platform::UserDefaults> store() {
        return platform::UserDefaults::standardUserDefaults();
    }
    [[nodiscard]] static Value setting(const String& key) {
        return platform::UserDefaultsController::sharedUserDefaultsController()
            ->values()
            ->valueForKey(key);
    }
    [[nodiscard]] platform::ManualRunLoop& loop() { return run_->loop; }

    testsupport::ScratchFolder settings;
    char name[11] = "sealscribe";
    char* arguments[2] = {name, nullptr};
    std::optional<Run> run_;
};

} // namespace interfacetest

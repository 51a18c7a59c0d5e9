#pragma once

#include "app/shell/MyAppDelegate.h"
#include "document/MyDocument.h"
#include "interface/ApplicationMain.h"
#include "platform/base/ManualRunLoop.h"
#include "platform/base/ScopedMainRunLoop.h"
#include "platform/base/UserDefaults.h"
#include "platform/base/UserDefaultsController.h"
#include "platform/system/RecordingLauncher.h"
#include "platform/system/Workspace.h"
#include "platform/ui/Alert.h"
#include "platform/ui/AlertPanel.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/DocumentController.h"
#include "platform/ui/Environment.h"
#include "platform/ui/SavePanel.h"
#include "platform/ui/ScriptedPanelRunner.h"
#include "platform/ui/SecureTextField.h"
#include "platform/ui/Window.h"
#include "support/ScratchFolder.h"
#include "support/Views.h"

#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>

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

    // No launch asks the maker's update servers: nothing listens at this port.
    ProgramModelTest() { ::setenv("SEALSCRIBE_UPDATE_URLS", "http://127.0.0.1:1/", 1); }
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

    // A document made by the New command, given `password` and saved in the test's files
    // folder as `fileName`: unlocked, unedited and so lockable.
    std::shared_ptr<MyDocument> savedDocument(const String& password, const std::string& fileName) {
        std::optional<String> error;
        auto document = std::dynamic_pointer_cast<MyDocument>(
            run_->program.controller()->openUntitledDocumentAndDisplay(true, error));
        loop().runUntilIdle();
        if (!document || !document->myWindow()) {
            ADD_FAILURE() << "no new document";
            return document;
        }
        const auto window = document->myWindow();
        if (const auto sheet = window->attachedSheet()) {
            for (const auto& field : testsupport::viewsOf<platform::SecureTextField>(*sheet))
                field->userType(password);
            pressButton(*sheet, u"OK");
            loop().runUntilIdle();
        }
        const auto accepted = platform::AlertPanel::alertOf(window->attachedSheet());
        EXPECT_TRUE(accepted && accepted->userPressButton(u"OK")) << "no password accepted";
        loop().runUntilIdle();
        document->saveDocument(nullptr);
        const auto panel = std::dynamic_pointer_cast<platform::SavePanel>(window->attachedSheet());
        EXPECT_TRUE(panel && panel->userChoose(pathOf(fileName))) << "no save panel";
        loop().runUntilIdle();
        EXPECT_TRUE(document->fileURL() && !document->isDocumentEdited());
        return document;
    }

    [[nodiscard]] String pathOf(const std::string& fileName) const {
        return platform::fromUtf8((files.path() / fileName).string()).value();
    }

    static void pressButton(const platform::Window& sheet, const String& title) {
        for (const auto& button : testsupport::viewsOf<platform::Button>(sheet))
            if (button->title() == title) {
                button->userPress();
                return;
            }
        ADD_FAILURE() << "no button " << platform::toUtf8Lossy(title);
    }

    testsupport::ScratchFolder settings;
    testsupport::ScratchFolder files;
    char name[11] = "sealscribe";
    char* arguments[2] = {name, nullptr};
    std::optional<Run> run_;
};

} // namespace interfacetest

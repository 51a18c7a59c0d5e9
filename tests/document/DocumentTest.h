#pragma once

#include "app/shell/MyAppDelegate.h"
#include "document/MyDocument.h"
#include "interface/MyDocumentInterface.h"
#include "platform/base/ManualRunLoop.h"
#include "platform/base/ScopedMainRunLoop.h"
#include "platform/base/URL.h"
#include "platform/base/UserDefaults.h"
#include "platform/system/RecordingLauncher.h"
#include "platform/system/Workspace.h"
#include "platform/ui/Alert.h"
#include "platform/ui/AlertPanel.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/DocumentController.h"
#include "platform/ui/Environment.h"
#include "platform/ui/InterfaceRegistry.h"
#include "platform/ui/ProgressIndicator.h"
#include "platform/ui/SavePanel.h"
#include "platform/ui/ScriptedPanelRunner.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/SecureTextField.h"
#include "platform/ui/SharedFontManager.h"
#include "platform/ui/TextView.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/Window.h"
#include "platform/ui/WindowController.h"
#include "support/ScratchFolder.h"
#include "support/Views.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace documenttest {

using platform::String;

using testsupport::viewsOf;

// In one read: a body of a few MiB byte by byte is slow in a sanitized build.
inline platform::Data readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file)
        return {};
    platform::Data data(static_cast<std::size_t>(file.tellg()));
    file.seekg(0);
    file.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(data.size()));
    return data;
}

inline void writeFile(const std::filesystem::path& path, const platform::Data& data) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(data.data()),
               static_cast<std::streamsize>(data.size()));
}

inline platform::Data rtf(const std::string& text) {
    return platform::dataFromBytes("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Helvetica;}}\\f0 " + text +
                                   "}");
}

// A fresh environment per test, with its application, document controller, interface
// registry and settings store (in the test's folder), on a manual run loop; modal alerts
// and panels fail the test unless scripted, and so does any outlet or binding that the
// document's interface cannot connect, and any key observed that an object lacks.
class DocumentTest : public testing::Test {
protected:
    DocumentTest() {
        environment.application.set(app);
        app->setModalRunner(modal);
        environment.documentController.set(controller);
        controller->connectToApplication(app);
        MyDocument::registerDocumentType(*controller);
        environment.interfaceRegistry.set(registry);
        MyDocumentInterface::registerIn(*registry);
        environment.system().workspace.set(std::make_shared<platform::Workspace>(launcher));
        MyAppDelegate::initialize();
    }
    ~DocumentTest() override {
        for (const auto& document : std::vector(controller->documents()))
            document->close();
        loop.runUntilIdle();
    }

    [[nodiscard]] platform::URL urlOf(const std::string& name) const {
        return *platform::URL::fileURLWithPath(
            platform::fromUtf8((folder / name).string()).value());
    }

    // A new document as the New command makes it, its window shown and key.
    std::shared_ptr<MyDocument> newDocument() {
        std::optional<String> error;
        auto document = std::dynamic_pointer_cast<MyDocument>(
            controller->openUntitledDocumentAndDisplay(true, error));
        EXPECT_TRUE(document) << platform::toUtf8Lossy(error.value_or(u""));
        loop.runUntilIdle();
        return document;
    }

    // Types into the fields of the sheet attached to the window and presses a button.
    void answerSheet(const std::shared_ptr<platform::Window>& window,
                     const std::vector<String>& entries, const String& buttonTitle) {
        ASSERT_TRUE(window && window->attachedSheet());
        const auto sheet = window->attachedSheet();
        const auto fields = viewsOf<platform::SecureTextField>(*sheet);
        ASSERT_EQ(fields.size(), entries.size());
        for (std::size_t i = 0; i < entries.size(); ++i)
            fields[i]->userType(entries[i]);
        pressButton(*sheet, buttonTitle);
        loop.runUntilIdle();
    }

    static void pressButton(const platform::Window& sheet, const String& title) {
        for (const auto& button : viewsOf<platform::Button>(sheet))
            if (button->title() == title) {
                button->userPress();
                return;
            }
        ADD_FAILURE() << "no button " << platform::toUtf8Lossy(title);
    }

    // The alert shown as the window's sheet; none when the sheet is no alert.
    static std::shared_ptr<platform::Alert>
    alertOn(const std::shared_ptr<platform::Window>& window) {
        return window ? platform::AlertPanel::alertOf(window->attachedSheet()) : nullptr;
    }

    // Answers the alert on the window, after checking its message.
    void answerAlert(const std::shared_ptr<platform::Window>& window, const String& message,
                     const String& button) {
        const auto alert = alertOn(window);
        ASSERT_TRUE(alert) << "no alert \"" << platform::toUtf8Lossy(message) << "\"";
        EXPECT_EQ(alert->messageText(), message);
        EXPECT_TRUE(alert->userPressButton(button));
        loop.runUntilIdle();
    }

    // A new document given its password.
    std::shared_ptr<MyDocument> newDocumentWithPassword(const String& password) {
        auto document = newDocument();
        answerSheet(document->myWindow(), {password, password}, u"OK");
        answerAlert(document->myWindow(), u"Password accepted", u"OK");
        return document;
    }

    // The Save command, with a name for a document that has no file yet.
    void save(const std::shared_ptr<MyDocument>& document, const std::string& name = "") {
        document->saveDocument(nullptr);
        if (!name.empty()) {
            const auto panel = std::dynamic_pointer_cast<platform::SavePanel>(
                document->windowForSheet()->attachedSheet());
            ASSERT_TRUE(panel) << "no save panel";
            EXPECT_TRUE(panel->userChoose(platform::fromUtf8((folder / name).string()).value()));
        }
        loop.runUntilIdle();
    }

    // Opens the file as the Open command does.
    std::shared_ptr<MyDocument> open(const std::string& name) {
        std::shared_ptr<platform::Document> opened;
        controller->openDocumentWithContentsOfURL(
            urlOf(name), true,
            [&opened](const std::shared_ptr<platform::Document>& document, bool,
                      const std::optional<String>&) { opened = document; });
        loop.runUntilIdle();
        return std::dynamic_pointer_cast<MyDocument>(opened);
    }

    // Types the password into the locked window's field and presses enter.
    void unlock(const std::shared_ptr<MyDocument>& document, const String& password) {
        ASSERT_TRUE(document->passwordToDecryptField());
        document->passwordToDecryptField()->userType(password);
        document->passwordToDecryptField()->userPressEnter();
        loop.runUntilIdle();
    }

    testsupport::ScratchFolder scratch;
    const std::filesystem::path& folder = scratch.path();
    platform::ManualRunLoop loop;
    platform::ScopedMainRunLoop installed{loop};
    // Before what it holds, so that it ends what the test left in it.
    platform::Environment environment{folder / "Sealscribe"};
    std::shared_ptr<platform::Application> app = std::make_shared<platform::Application>();
    std::shared_ptr<platform::ScriptedPanelRunner> modal =
        std::make_shared<platform::ScriptedPanelRunner>(
            [](const std::string& failure) { ADD_FAILURE() << failure; });
    std::shared_ptr<platform::DocumentController> controller =
        std::make_shared<platform::DocumentController>();
    std::shared_ptr<platform::InterfaceRegistry> registry =
        std::make_shared<platform::InterfaceRegistry>(
            [](const String& message) { ADD_FAILURE() << platform::toUtf8Lossy(message); });
    std::shared_ptr<platform::RecordingLauncher> launcher =
        std::make_shared<platform::RecordingLauncher>();
};

} // namespace documenttest

#pragma once

#include "platform/base/ManualRunLoop.h"
#include "platform/base/ScopedMainRunLoop.h"
#include "platform/ui/Alert.h"
#include "platform/ui/AlertPanel.h"
#include "platform/ui/Application.h"
#include "platform/ui/Document.h"
#include "platform/ui/DocumentController.h"
#include "platform/ui/Environment.h"
#include "platform/ui/InterfaceRegistry.h"
#include "platform/ui/ScriptedPanelRunner.h"
#include "platform/ui/TextField.h"
#include "platform/ui/Window.h"
#include "platform/ui/WindowController.h"
#include "support/Files.h"
#include "support/ScratchFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <sstream>
#include <stdlib.h>
#include <string>

namespace documenttest {

using platform::String;
namespace fs = std::filesystem;

using testsupport::filesIn;
using testsupport::pathString;
using testsupport::readFile;
using testsupport::ScratchFolder;
using testsupport::writeFile;

inline platform::URL fileURL(const fs::path& path) {
    return platform::URL::fileURLWithPath(pathString(path)).value();
}

// A document of plain text: its file holds the text as UTF-8. A file that starts with
// "refuse" is refused with a reason, one that starts with "reported" is refused after the
// reader has shown its own alert.
class TextDocument : public platform::Document {
public:
    TextDocument() { exposeOutlet(u"textField", textField); }

    [[nodiscard]] String text() const { return text_.get(); }
    // An edit by the user.
    void setText(const String& text) {
        text_.set(text);
        updateChangeCount(platform::ChangeDone);
    }

    bool readFromData(const platform::Data& data, const String&,
                      std::optional<String>& error) override {
        const std::string bytes(platform::bytesOf(data));
        if (bytes.starts_with("refuse")) {
            error = u"Refused by the reader.";
            return false;
        }
        if (bytes.starts_with("reported")) {
            setErrorAlreadyReported();
            return false;
        }
        text_.set(platform::fromUtf8(bytes).value_or(u""));
        ++reads;
        return true;
    }

    std::optional<platform::Data> dataOfType(const String&, std::optional<String>& error) override {
        if (refuseToWrite) {
            error = u"The writer refused.";
            return std::nullopt;
        }
        return platform::dataFromBytes(platform::toUtf8(text()).value());
    }

    String windowNibName() const override { return u"TextDocument"; }
    void windowControllerDidLoadNib(platform::WindowController& controller) override {
        loadedControllers.push_back(&controller);
    }
    bool autosavesInPlace() const override { return autosaves; }

    std::shared_ptr<platform::TextField> textField;
    std::vector<platform::WindowController*> loadedControllers;
    int reads = 0;
    bool autosaves = false;
    bool refuseToWrite = false;

private:
    platform::Property<String> text_{*this, u"text", {}, &TextDocument::setText};
};

// A fresh environment with its application, document controller and interface registry per
// test, on a manual run loop, whose modal alerts and panels fail the test unless an answer
// is scripted. What cannot be connected, or observed by key, goes to `messages`. The
// controller opens TextDocuments of the type "sealscribe"; their interface is a window
// with a text field bound to the document's text.
class DocumentTest : public testing::Test {
protected:
    DocumentTest() {
        environment.application.set(app);
        app->setModalRunner(modal);
        environment.interfaceRegistry.set(registry);
        environment.documentController.set(controller);
        controller->registerDocumentClass<TextDocument>(u"sealscribe", {u"sealscribe"});
        controller->connectToApplication(app);
        registry->registerInterface(u"TextDocument", [](platform::LoadedInterface& interface) {
            auto window = interface.addTopLevelObject(
                std::make_shared<platform::Window>(platform::Rect(200, 300, 500, 400)));
            auto field = std::make_shared<platform::TextField>();
            window->setContentView(field);
            interface.connectOutlet(u"window", window);
            interface.connectOutlet(u"textField", field);
            platform::BindingOptions continuous;
            continuous.continuouslyUpdatesValue = true;
            interface.bind(field, u"value", interface.owner(), u"text", continuous);
        });
    }
    ~DocumentTest() override {
        const auto documents = controller->documents();
        for (const auto& document : documents)
            document->close();
    }

    std::shared_ptr<TextDocument> newDocument() {
        std::optional<String> error;
        auto document = std::dynamic_pointer_cast<TextDocument>(
            controller->openUntitledDocumentAndDisplay(true, error));
        EXPECT_TRUE(document) << (error ? platform::toUtf8Lossy(*error) : "");
        return document;
    }

    std::shared_ptr<TextDocument> open(const fs::path& path) {
        std::shared_ptr<platform::Document> opened;
        controller->openDocumentWithContentsOfURL(
            fileURL(path), true,
            [&](const std::shared_ptr<platform::Document>& document, bool,
                const std::optional<String>&) { opened = document; });
        loop.runUntilIdle();
        return std::dynamic_pointer_cast<TextDocument>(opened);
    }

    // The alert shown as a sheet on the window; none when there is none.
    static std::shared_ptr<platform::Alert>
    sheetAlert(const std::shared_ptr<platform::Window>& window) {
        return window ? platform::AlertPanel::alertOf(window->attachedSheet()) : nullptr;
    }

    platform::ManualRunLoop loop;
    platform::ScopedMainRunLoop installed{loop};
    ScratchFolder folder;
    std::vector<String> messages;
    // Before what it holds, so that it ends what the test left in it.
    platform::Environment environment{folder / "Sealscribe"};
    std::shared_ptr<platform::Application> app = std::make_shared<platform::Application>();
    std::shared_ptr<platform::ScriptedPanelRunner> modal =
        std::make_shared<platform::ScriptedPanelRunner>(
            [](const std::string& failure) { ADD_FAILURE() << failure; });
    std::shared_ptr<platform::InterfaceRegistry> registry =
        std::make_shared<platform::InterfaceRegistry>(
            [this](const String& message) { messages.push_back(message); });
    std::shared_ptr<platform::DocumentController> controller =
        std::make_shared<platform::DocumentController>();
};

} // namespace documenttest

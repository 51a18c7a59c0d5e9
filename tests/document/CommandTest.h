#pragma once

#include "DocumentTest.h"
#include "platform/ui/TextStorage.h"

namespace documenttest {

// The document's commands on a document with a password, a file and a body, unchanged
// since it was saved.
class CommandTest : public DocumentTest {
protected:
    static constexpr const char16_t* password = u"orchid";

    // The body is loaded as the program loads it, so it does not mark the document.
    std::shared_ptr<MyDocument> savedDocument(const platform::Data& body = rtf("Hello world")) {
        auto document = newDocumentWithPassword(password);
        save(document, "notes.sealscribe");
        document->setMyTextViewData(body);
        document->updateChangeCount(platform::ChangeCleared);
        return document;
    }

    [[nodiscard]] String pathOf(const std::string& name) const {
        return platform::fromUtf8((folder / name).string()).value();
    }

    // Chooses the path in the open or save panel that the window shows once the run loop
    // has turned, then lets the run loop finish what the choice began.
    void chooseInPanel(const std::shared_ptr<platform::Window>& window, const String& path) {
        loop.runUntilIdle();
        const auto panel = std::dynamic_pointer_cast<platform::SavePanel>(
            window ? window->attachedSheet() : nullptr);
        ASSERT_TRUE(panel) << "no panel";
        EXPECT_TRUE(panel->userChoose(path));
        loop.runUntilIdle();
    }

    // What nothing but the user's edits and the commands should change.
    struct BodyState {
        platform::AttributedString text;
        platform::Range selection;
        bool edited;
        bool operator==(const BodyState&) const = default;
    };
    [[nodiscard]] static BodyState stateOf(const MyDocument& document) {
        return {document.myTextView()->textStorage()->attributedString(),
                document.myTextView()->selectedRange(), document.isDocumentEdited()};
    }

    // A body font of the settings, as the font manager finds it.
    [[nodiscard]] static platform::TextAttributes
    bodyAttributes(const String& family = u"Helvetica", double size = 12) {
        platform::TextAttributes attributes;
        attributes.font =
            platform::SharedFontManager::sharedFontManager()->fontWithName(family, size);
        return attributes;
    }

    // Colours, two fonts, bold and underline.
    [[nodiscard]] static platform::Data styledBody() {
        return platform::dataFromBytes(
            "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Helvetica;}{\\f1 Courier;}}"
            "{\\colortbl;\\red200\\green0\\blue0;\\red0\\green0\\blue200;}"
            "\\f0\\fs24 plain \\f1\\fs36\\cf1\\b bold \\cf2\\b0\\ul blue\\ulnone\\par}");
    }
};

} // namespace documenttest

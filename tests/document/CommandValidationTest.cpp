#include "CommandTest.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/ToolbarItem.h"

using documenttest::CommandTest;
using platform::ControlState;
using platform::String;

namespace {

class CommandValidation : public CommandTest {
protected:
    // The menu's answer, checked against a toolbar item's of the same action.
    static std::optional<bool> enabled(MyDocument& document, const String& action) {
        platform::MenuItem item(u"", action, u"");
        const auto answer = document.validateMenuItem(item);
        platform::ToolbarItem toolbarItem(action);
        toolbarItem.setAction(action);
        EXPECT_EQ(document.validateUserInterfaceItem(toolbarItem), answer)
            << platform::toUtf8Lossy(action);
        return answer;
    }

    // What the menu shows of the editable flag: the switch's title and both check marks.
    struct FlagLook {
        String switchTitle;
        ControlState readOnly;
        ControlState readAndWrite;
        bool operator==(const FlagLook&) const = default;
    };
    static FlagLook lookOf(MyDocument& document) {
        const auto validated = [&document](const String& action) {
            auto item = std::make_shared<platform::MenuItem>(u"", action, u"");
            static_cast<void>(document.validateMenuItem(*item));
            return item;
        };
        return {validated(u"switchReadAndWrite:")->title(), validated(u"setReadOnly:")->state(),
                validated(u"setReadAndWrite:")->state()};
    }

    static constexpr const char16_t* contentCommands[] = {
        u"editPublicNote:", u"importFromTEXT:", u"importFromRTF:",
        u"importFromRTFD:", u"exportToTEXT:",   u"exportToRTF:",
        u"exportToRTFD:",   u"makePlainText:",  u"switchReadAndWrite:"};

    const FlagLook editableLook{u"Prevent Editing", platform::ControlStateOff,
                                platform::ControlStateOn};
    const FlagLook readOnlyLook{u"Allow Editing", platform::ControlStateOn,
                                platform::ControlStateOff};
};

TEST_F(CommandValidation, ALockedDocumentRefusesWhatReadsOrWritesItsContent) {
    savedDocument()->close();
    const auto locked = open("notes.sealscribe");
    ASSERT_TRUE(locked);
    for (const auto* action : contentCommands)
        EXPECT_EQ(enabled(*locked, action), false) << platform::toUtf8Lossy(action);
    for (const auto* action :
         {u"lockDocument:", u"saveDocument:", u"saveDocumentAs:", u"documentPassword:",
          u"revertDocumentToSaved:", u"runPageLayout:", u"printDocument:"})
        EXPECT_EQ(enabled(*locked, action), false) << platform::toUtf8Lossy(action);
    // The flag is no secret: it stays readable and settable while locked.
    EXPECT_EQ(enabled(*locked, u"setReadOnly:"), true);
    EXPECT_EQ(enabled(*locked, u"setReadAndWrite:"), true);
}

TEST_F(CommandValidation, TheMenuShowsTheEditableFlagLockedOrNot) {
    const auto document = savedDocument();
    EXPECT_EQ(lookOf(*document), editableLook);
    document->switchReadAndWrite(nullptr);
    EXPECT_EQ(lookOf(*document), readOnlyLook);
    save(document);
    document->close();

    const auto locked = open("notes.sealscribe");
    ASSERT_TRUE(locked);
    EXPECT_EQ(lookOf(*locked), readOnlyLook);
    locked->setReadAndWrite(nullptr);
    EXPECT_EQ(lookOf(*locked), editableLook);
    locked->setReadOnly(nullptr);
    EXPECT_EQ(lookOf(*locked), readOnlyLook);
}

TEST_F(CommandValidation, AReadOnlyDocumentRefusesOnlyThePlainTextConversion) {
    const auto document = savedDocument();
    for (const auto* action : contentCommands)
        EXPECT_EQ(enabled(*document, action), true) << platform::toUtf8Lossy(action);
    document->switchReadAndWrite(nullptr);
    for (const auto* action : contentCommands)
        EXPECT_EQ(enabled(*document, action), String(action) != u"makePlainText:")
            << platform::toUtf8Lossy(action);
}

TEST_F(CommandValidation, LockingNeedsAFileAndAPassword) {
    const auto withoutPassword = newDocument();
    EXPECT_EQ(enabled(*withoutPassword, u"lockDocument:"), false);
    withoutPassword->close();

    const auto withoutFile = newDocumentWithPassword(password);
    EXPECT_EQ(enabled(*withoutFile, u"lockDocument:"), false);
    save(withoutFile, "notes.sealscribe");
    EXPECT_EQ(enabled(*withoutFile, u"lockDocument:"), true);
    withoutFile->setPlainPassword(u"");
    EXPECT_EQ(enabled(*withoutFile, u"lockDocument:"), false);
}

} // namespace

#include "CommandTest.h"
#include "platform/base/KeyedUnarchiver.h"

using documenttest::CommandTest;
using documenttest::readFile;
using platform::String;

namespace {

const String note = u"Owner: Ada \u2014 call if found";

class PublicNote : public CommandTest {
protected:
    std::shared_ptr<MyDocument> document = savedDocument();
    std::shared_ptr<platform::Window> window = document->myWindow();

    void openSheet(MyDocument& shown) {
        shown.editPublicNote(nullptr);
        loop.runUntilIdle();
        ASSERT_TRUE(shown.myPublicTextSheet());
        ASSERT_EQ(shown.myWindow()->attachedSheet(), shown.myPublicTextSheet());
    }

    void closeSheet(MyDocument& shown) {
        pressButton(*shown.myPublicTextSheet(), u"Close");
        loop.runUntilIdle();
        EXPECT_FALSE(shown.myWindow()->attachedSheet());
    }

    [[nodiscard]] String noteInFile() const {
        const auto root = platform::KeyedUnarchiver::unarchiveObjectWithData(
            readFile(folder / "notes.sealscribe"));
        const auto* dictionary = root.dictionary();
        if (!dictionary || !dictionary->contains(u"publicTextData"))
            return u"<none>";
        return dictionary->at(u"publicTextData").stringValue().value_or(u"<no string>");
    }
};

TEST_F(PublicNote, TypingIntoTheNoteMarksTheDocument) {
    openSheet(*document);
    const auto view = document->myPublicNoteView();
    EXPECT_EQ(document->myPublicTextSheet()->firstResponder(), view);
    view->userTypeText(note);
    EXPECT_TRUE(document->isDocumentEdited());
    closeSheet(*document);
    EXPECT_EQ(document->myPublicTextData(), note);

    openSheet(*document);
    document->updateChangeCount(platform::ChangeCleared);
    view->userTypeText(u"!");
    view->userDeleteBackward();
    EXPECT_TRUE(document->isDocumentEdited());
    closeSheet(*document);
    EXPECT_EQ(document->myPublicTextData(), note);
}

TEST_F(PublicNote, OpeningAndClosingAloneLeaveTheDocumentUnmarked) {
    for (int time = 0; time < 2; ++time) {
        openSheet(*document);
        closeSheet(*document);
    }
    EXPECT_FALSE(document->isDocumentEdited());
}

TEST_F(PublicNote, TheSavedNoteIsReadableWithoutThePassword) {
    openSheet(*document);
    document->myPublicNoteView()->userTypeText(note);
    closeSheet(*document);
    save(document);
    document->close();
    EXPECT_EQ(noteInFile(), note);

    const auto locked = open("notes.sealscribe");
    ASSERT_TRUE(locked);
    EXPECT_EQ(locked->myPublicTextData(), note);
    locked->editPublicNote(nullptr);
    loop.runUntilIdle();
    EXPECT_FALSE(locked->myWindow()->attachedSheet());

    unlock(locked, password);
    openSheet(*locked);
    EXPECT_EQ(locked->myPublicNoteView()->string(), note);
}

} // namespace

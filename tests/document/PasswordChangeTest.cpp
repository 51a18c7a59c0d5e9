#include "DocumentTest.h"

using documenttest::DocumentTest;
using platform::String;

namespace {

const String oldPasswordWrong = u"Password inserted in the 'Old Master Password' field must be "
                                u"equal to the password previously used to protect this document.";
const String newPasswordsDiffer = u"Passwords inserted in the two fields doesn't match";
const String newPasswordTooShort =
    u"Password Too Short. You have to use a password which is at least six character long.";

class PasswordChange : public DocumentTest {
protected:
    std::shared_ptr<MyDocument> document = newDocumentWithPassword(u"orchid");
    std::shared_ptr<platform::Window> window = document->myWindow();

    std::vector<String> sheetEntries() const {
        std::vector<String> entries;
        for (const auto& field :
             documenttest::viewsOf<platform::SecureTextField>(*document->changePasswordSheet()))
            entries.push_back(field->stringValue());
        return entries;
    }
};

TEST_F(PasswordChange, RulesInTheirOrder) {
    const struct {
        String previous, inserted, retype;
        const String* refusal; // none: accepted
    } cases[] = {
        {u"orchie", u"newpass1", u"different", &oldPasswordWrong},
        {u"orchie", u"short", u"short", &oldPasswordWrong},
        {u"", u"newpass1", u"newpass1", &oldPasswordWrong},
        {u"orchid", u"newpass1", u"newpass2", &newPasswordsDiffer},
        {u"orchid", u"short", u"short", &newPasswordTooShort},
        {u"orchid", u"", u"", &newPasswordTooShort},
        {u"orchid", u"orchid", u"orchid", nullptr},
        {u"orchid", u"newpass1", u"newpass1", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(platform::toUtf8Lossy(c.previous + u" / " + c.inserted + u" / " + c.retype));
        document->setPlainPassword(u"orchid");
        document->updateChangeCount(platform::ChangeCleared);
        document->documentPassword(nullptr);
        EXPECT_EQ(window->attachedSheet(), document->changePasswordSheet());
        EXPECT_EQ(sheetEntries(), (std::vector<String>{u"", u"", u""}));
        answerSheet(window, {c.previous, c.inserted, c.retype}, u"Change");
        EXPECT_FALSE(document->showClearPasswordInInsertPasswordSheet()->boolValue());
        if (!c.refusal) {
            answerAlert(window, u"Password changed successfuly", u"OK");
            EXPECT_EQ(document->plainPassword(), c.inserted);
            EXPECT_EQ(document->plainPasswordPrevious(), String());
            EXPECT_EQ(document->plainPasswordInserted(), String());
            EXPECT_EQ(document->plainPasswordInsertedRetype(), String());
            EXPECT_TRUE(document->isDocumentEdited());
            continue;
        }
        const auto alert = alertOn(window);
        ASSERT_TRUE(alert);
        EXPECT_EQ(alert->buttonTitles(), (std::vector<String>{u"Retry", u"Cancel"}));
        answerAlert(window, *c.refusal, u"Retry");
        EXPECT_EQ(window->attachedSheet(), document->changePasswordSheet());
        EXPECT_EQ(sheetEntries(), (std::vector<String>{c.previous, c.inserted, c.retype}));
        pressButton(*window->attachedSheet(), u"Cancel");
        EXPECT_FALSE(window->attachedSheet());
        EXPECT_EQ(document->plainPassword(), u"orchid");
        EXPECT_FALSE(document->isDocumentEdited());
    }
}

TEST_F(PasswordChange, CancelInTheAlertChangesNothing) {
    document->documentPassword(nullptr);
    answerSheet(window, {u"orchid", u"newpass1", u"newpass2"}, u"Change");
    answerAlert(window, newPasswordsDiffer, u"Cancel");
    EXPECT_FALSE(window->attachedSheet());
    EXPECT_EQ(document->plainPassword(), u"orchid");
}

TEST_F(PasswordChange, TheFileKeepsTheOldPasswordUntilTheNextSave) {
    save(document, "notes.sealscribe");
    document->documentPassword(nullptr);
    answerSheet(window, {u"orchid", u"newpass1", u"newpass1"}, u"Change");
    answerAlert(window, u"Password changed successfuly", u"OK");
    std::filesystem::copy_file(folder / "notes.sealscribe", folder / "before.sealscribe");
    save(document);
    document->close();

    const auto before = open("before.sealscribe");
    unlock(before, u"orchid");
    EXPECT_TRUE(before->isDecrypted());

    const auto after = open("notes.sealscribe");
    unlock(after, u"orchid");
    answerAlert(after->myWindow(), u"Wrong Password", u"OK");
    unlock(after, u"newpass1");
    EXPECT_TRUE(after->isDecrypted());
}

// Its failures are those of the change road, whose Retry shows the change sheet.
TEST_F(PasswordChange, InsertSheet) {
    document->showInsertPasswordSheet(window, nullptr);
    answerSheet(window, {u"newpass1", u"newpass2"}, u"OK");
    EXPECT_TRUE(document->showClearPasswordInInsertPasswordSheet()->boolValue());
    answerAlert(window, newPasswordsDiffer, u"Retry");
    EXPECT_EQ(window->attachedSheet(), document->changePasswordSheet());
    pressButton(*window->attachedSheet(), u"Cancel");

    document->showInsertPasswordSheet(window, nullptr);
    answerSheet(window, {u"newpass1", u"newpass1"}, u"Cancel");
    EXPECT_FALSE(window->attachedSheet());
    EXPECT_EQ(document->plainPassword(), u"orchid");

    document->updateChangeCount(platform::ChangeCleared);
    document->showInsertPasswordSheet(window, nullptr);
    answerSheet(window, {u"newpass1", u"newpass1"}, u"OK");
    const auto alert = alertOn(window);
    ASSERT_TRUE(alert);
    EXPECT_NE(alert->informativeText().find(u"even for Marrowfield Labs,"), String::npos);
    answerAlert(window, u"Password accepted", u"OK");
    EXPECT_EQ(document->plainPassword(), u"newpass1");
    EXPECT_TRUE(document->isDocumentEdited());
}

} // namespace

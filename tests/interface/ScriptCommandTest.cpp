#include "platform/ui/ScriptCommand.h"

#include "ProgramModelTest.h"
#include "document/MyScriptDecryptDoc.h"
#include "platform/base/KeyedArchiver.h"
#include "platform/base/KeyedUnarchiver.h"
#include "platform/ui/TextView.h"
#include "platform/ui/Toolbar.h"
#include "support/Files.h"

namespace interfacetest {
namespace {

using platform::ScriptCommand;

const String password = u"orchid-7";

// The program's unlock command, run as a script runs it; the reply once the loop is idle.
class ScriptCommandTest : public ProgramModelTest {
protected:
    void SetUp() override {
        launch();
        const auto saved = savedDocument(password, "notes.sealscribe");
        saved->myTextView()->userTypeText(u"Secret body");
        saved->saveDocument(nullptr);
        loop().runUntilIdle();
        frameAtSave = saved->myWindow()->frame();
        // With the launch's untitled document.
        for (const auto& document : std::vector(run_->program.controller()->documents()))
            document->close();
        loop().runUntilIdle();
    }

    std::optional<ScriptCommand::Reply> decrypt(const Value& path,
                                                const std::optional<Value>& given) {
        platform::Dictionary commandArguments;
        if (given)
            commandArguments[u"password"] = *given;
        replies.clear();
        EXPECT_TRUE(ScriptCommand::executeCommandNamed(
            MyScriptDecryptDoc::commandName, path, commandArguments,
            [this](const ScriptCommand::Reply& reply) { replies.push_back(reply); }));
        loop().runUntilIdle();
        EXPECT_LE(replies.size(), 1u);
        if (replies.empty())
            return std::nullopt;
        return replies.front();
    }

    [[nodiscard]] std::shared_ptr<MyDocument> onlyDocument() const {
        const auto& documents = run_->program.controller()->documents();
        return documents.size() == 1 ? std::dynamic_pointer_cast<MyDocument>(documents.front())
                                     : nullptr;
    }

    static void expectNoPassword(const ScriptCommand::Reply& reply) {
        EXPECT_EQ(platform::toUtf8Lossy(reply.errorString.value_or(u"")).find("orchid"),
                  std::string::npos);
    }

    platform::Rect frameAtSave;
    std::vector<ScriptCommand::Reply> replies;
};

TEST_F(ScriptCommandTest, AnswersOnlyOnceTheOpenHasFinished) {
    ASSERT_TRUE(ScriptCommand::executeCommandNamed(
        MyScriptDecryptDoc::commandName, pathOf("notes.sealscribe"), {{u"password", password}},
        [this](const ScriptCommand::Reply& reply) { replies.push_back(reply); }));
    EXPECT_TRUE(replies.empty());
    loop().runUntilIdle();
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies.front().errorNumber, 0);
    EXPECT_EQ(replies.front().errorString, std::nullopt);
}

TEST_F(ScriptCommandTest, RightPasswordUnlocksTheWindowAsTypingItWould) {
    const auto reply = decrypt(pathOf("notes.sealscribe"), Value(password));
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->errorNumber, 0);
    const auto document = onlyDocument();
    ASSERT_TRUE(document);
    EXPECT_TRUE(document->isDecrypted());
    EXPECT_FALSE(document->isDocumentEdited());
    EXPECT_TRUE(document->modernToolbar()->isVisible());
    EXPECT_EQ(document->myWindow()->frame(), frameAtSave);
    EXPECT_EQ(document->myTextView()->string(), u"Secret body");
    EXPECT_FALSE(document->myWindow()->attachedSheet());
}

TEST_F(ScriptCommandTest, RefusedPasswordsLeaveTheDocumentLockedAndSaySo) {
    const struct {
        const char* name;
        std::optional<Value> password;
        std::int32_t error;
        std::optional<String> sheet;
    } cases[] = {
        {"wrong", Value(u"orchid-8"), MyScriptDecryptDoc::wrongPasswordError, u"Wrong Password"},
        {"absent", std::nullopt, MyScriptDecryptDoc::missingPasswordError, std::nullopt},
        {"empty", Value(u""), MyScriptDecryptDoc::missingPasswordError, std::nullopt},
        {"no string", Value(platform::Number::int32(7)), MyScriptDecryptDoc::missingPasswordError,
         std::nullopt},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const auto reply = decrypt(pathOf("notes.sealscribe"), row.password);
        ASSERT_TRUE(reply);
        EXPECT_EQ(reply->errorNumber, row.error);
        ASSERT_TRUE(reply->errorString);
        EXPECT_FALSE(reply->errorString->empty());
        expectNoPassword(*reply);
        const auto document = onlyDocument();
        ASSERT_TRUE(document);
        EXPECT_FALSE(document->isDecrypted());
        EXPECT_FALSE(document->isDocumentEdited());
        const auto alert = platform::AlertPanel::alertOf(document->myWindow()->attachedSheet());
        EXPECT_EQ(alert ? std::optional(alert->messageText()) : std::nullopt, row.sheet);
        if (alert) {
            EXPECT_TRUE(alert->userPressButton(u"OK"));
        }
        document->close();
        loop().runUntilIdle();
    }
}

// The password field and the sheets show plainPasswordInserted: a script's password must
// not appear there, nor replace what the user typed.
TEST_F(ScriptCommandTest, WhatTheUserTypedStaysWhatItWas) {
    ASSERT_TRUE(decrypt(pathOf("notes.sealscribe"), std::nullopt));
    const auto document = onlyDocument();
    ASSERT_TRUE(document);
    document->passwordToDecryptField()->userType(u"half-typ");
    const auto reply = decrypt(pathOf("notes.sealscribe"), Value(u"wrong one"));
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->errorNumber, MyScriptDecryptDoc::wrongPasswordError);
    EXPECT_EQ(document->plainPasswordInserted(), String(u"half-typ"));
    EXPECT_EQ(document->passwordToDecryptField()->stringValue(), u"half-typ");
}

TEST_F(ScriptCommandTest, AnUnlockedDocumentIsLeftAloneAndChecksItsOwnPassword) {
    ASSERT_EQ(decrypt(pathOf("notes.sealscribe"), Value(password))->errorNumber, 0);
    const auto document = onlyDocument();
    ASSERT_TRUE(document);
    document->myTextView()->userTypeText(u" edited");
    ASSERT_TRUE(document->isDocumentEdited());

    const auto wrong = decrypt(pathOf("notes.sealscribe"), Value(u"orchid-8"));
    ASSERT_TRUE(wrong);
    EXPECT_EQ(wrong->errorNumber, MyScriptDecryptDoc::wrongPasswordError);
    expectNoPassword(*wrong);
    EXPECT_FALSE(document->myWindow()->attachedSheet());
    EXPECT_EQ(document->plainPassword(), password);

    const auto right = decrypt(pathOf("notes.sealscribe"), Value(password));
    ASSERT_TRUE(right);
    EXPECT_EQ(right->errorNumber, 0);
    EXPECT_TRUE(document->isDocumentEdited());
    EXPECT_EQ(onlyDocument(), document);
}

TEST_F(ScriptCommandTest, FilesThatDoNotOpenAnswerTheOpensError) {
    const auto saved = testsupport::readFile(files.path() / "notes.sealscribe");
    const auto root =
        platform::KeyedUnarchiver::unarchiveObjectWithData(platform::dataFromBytes(saved));
    ASSERT_TRUE(root.dictionary());
    auto contents = *root.dictionary();
    contents[u"appversion"] = Value(platform::Number::uint64(30000));
    const auto newer = platform::KeyedArchiver::archivedDataWithRootObject(Value(contents));
    ASSERT_TRUE(newer);
    testsupport::writeFile(files.path() / "newer.sealscribe",
                           std::string(platform::bytesOf(*newer)));
    testsupport::writeFile(files.path() / "damaged.sealscribe", saved.substr(0, 40));
    const struct {
        const char* name;
        std::string file;
        String button;
    } cases[] = {
        {"missing", "absent.sealscribe", u"OK"},
        {"damaged", "damaged.sealscribe", u"OK"},
        {"newer", "newer.sealscribe", u"Cancel"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const auto alertsBefore = run_->modal->alertsShown().size();
        run_->modal->answerNextWith(row.button);
        const auto reply = decrypt(pathOf(row.file), Value(password));
        ASSERT_TRUE(reply);
        EXPECT_EQ(reply->errorNumber, MyScriptDecryptDoc::openFailedError);
        ASSERT_TRUE(reply->errorString);
        EXPECT_NE(reply->errorString->find(platform::fromUtf8(row.file).value()), String::npos);
        expectNoPassword(*reply);
        EXPECT_EQ(run_->modal->alertsShown().size(), alertsBefore + 1);
        EXPECT_TRUE(run_->program.controller()->documents().empty());
    }
}

TEST_F(ScriptCommandTest, APathThatIsNoStringAnswersAtOnce) {
    for (const auto& path : {Value(), Value(u""), Value(platform::Number::int32(3))}) {
        ASSERT_TRUE(ScriptCommand::executeCommandNamed(
            MyScriptDecryptDoc::commandName, path, {{u"password", password}},
            [this](const ScriptCommand::Reply& reply) { replies.push_back(reply); }));
        ASSERT_EQ(replies.size(), 1u);
        EXPECT_EQ(replies.front().errorNumber, MyScriptDecryptDoc::missingPathError);
        replies.clear();
    }
    loop().runUntilIdle();
    EXPECT_TRUE(run_->program.controller()->documents().empty());
}

} // namespace
} // namespace interfacetest

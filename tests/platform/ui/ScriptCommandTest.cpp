#include "platform/ui/ScriptCommand.h"

#include <gtest/gtest.h>

using platform::Dictionary;
using platform::Number;
using platform::ScriptCommand;
using platform::String;
using platform::Value;

namespace {

// Answers with what it was given, and remembers the last command run.
class EchoCommand : public ScriptCommand {
public:
    static inline std::shared_ptr<ScriptCommand> last;
    Value performDefaultImplementation() override {
        last = std::static_pointer_cast<ScriptCommand>(shared_from_this());
        return Dictionary{{u"path", directParameter()},
                          {u"password", evaluatedArguments().count(u"password")
                                            ? evaluatedArguments().at(u"password")
                                            : Value()}};
    }
};

class ScriptCommands : public testing::Test {
protected:
    void SetUp() override {
        ScriptCommand::resetRegisteredCommands();
        EchoCommand::last.reset();
    }
    void TearDown() override { ScriptCommand::resetRegisteredCommands(); }
};

TEST_F(ScriptCommands, RunsByNameWithDirectParameterAndArguments) {
    ScriptCommand::registerCommand<EchoCommand>(u"decrypt document");
    const auto result = ScriptCommand::executeCommandNamed(
        u"decrypt document", u"/tmp/a b.sealscribe", {{u"password", u"secret"}});
    ASSERT_TRUE(result);
    EXPECT_EQ((*result)[u"path"], Value(u"/tmp/a b.sealscribe"));
    EXPECT_EQ((*result)[u"password"], Value(u"secret"));
    ASSERT_NE(EchoCommand::last, nullptr);
    EXPECT_EQ(EchoCommand::last->evaluatedArguments().size(), 1u);
}

TEST_F(ScriptCommands, MissingArgumentIsNone) {
    ScriptCommand::registerCommand<EchoCommand>(u"decrypt document");
    const auto result = ScriptCommand::executeCommandNamed(u"decrypt document", u"/tmp/x");
    ASSERT_TRUE(result);
    EXPECT_TRUE((*result)[u"password"].isNone());
}

TEST_F(ScriptCommands, EachRunHasACommandOfItsOwn) {
    ScriptCommand::registerCommand<EchoCommand>(u"decrypt document");
    (void)ScriptCommand::executeCommandNamed(u"decrypt document", u"/a");
    const auto first = EchoCommand::last;
    (void)ScriptCommand::executeCommandNamed(u"decrypt document", u"/b");
    EXPECT_NE(EchoCommand::last, first);
    EXPECT_EQ(first->directParameter(), Value(u"/a"));
}

TEST_F(ScriptCommands, UnknownNameRunsNothing) {
    EXPECT_EQ(ScriptCommand::executeCommandNamed(u"decrypt document", u"/tmp/x"), std::nullopt);
}

// Answers later, when the test resumes it; failing when told to.
class LaterCommand : public ScriptCommand {
public:
    static inline std::weak_ptr<LaterCommand> waiting;
    Value performDefaultImplementation() override {
        waiting = std::static_pointer_cast<LaterCommand>(shared_from_this());
        suspendExecution();
        if (evaluatedArguments().count(u"now"))
            resumeExecutionWithResult(u"at once");
        return u"ignored";
    }
};

class FailingCommand : public ScriptCommand {
public:
    Value performDefaultImplementation() override {
        setScriptErrorNumber(-10);
        setScriptErrorString(u"It went wrong.");
        return {};
    }
};

TEST_F(ScriptCommands, ImmediateReplyCarriesResultAndError) {
    ScriptCommand::registerCommand<EchoCommand>(u"echo");
    ScriptCommand::registerCommand<FailingCommand>(u"fail");
    std::vector<ScriptCommand::Reply> replies;
    const auto record = [&replies](const ScriptCommand::Reply& reply) { replies.push_back(reply); };
    EXPECT_TRUE(ScriptCommand::executeCommandNamed(u"echo", u"/a", {}, record));
    EXPECT_TRUE(ScriptCommand::executeCommandNamed(u"fail", {}, {}, record));
    EXPECT_FALSE(ScriptCommand::executeCommandNamed(u"missing", {}, {}, record));
    ASSERT_EQ(replies.size(), 2u);
    EXPECT_EQ(replies[0].result[u"path"], Value(u"/a"));
    EXPECT_EQ(replies[0].errorNumber, 0);
    EXPECT_EQ(replies[0].errorString, std::nullopt);
    EXPECT_EQ(replies[1].errorNumber, -10);
    EXPECT_EQ(replies[1].errorString, String(u"It went wrong."));
}

TEST_F(ScriptCommands, SuspendedCommandLivesUntilItsOneResume) {
    ScriptCommand::registerCommand<LaterCommand>(u"later");
    int calls = 0;
    Value result;
    ASSERT_TRUE(ScriptCommand::executeCommandNamed(u"later", {}, {},
                                                   [&](const ScriptCommand::Reply& reply) {
                                                       ++calls;
                                                       result = reply.result;
                                                   }));
    EXPECT_EQ(calls, 0);
    const auto command = LaterCommand::waiting.lock();
    ASSERT_NE(command, nullptr);
    EXPECT_TRUE(command->isSuspended());
    command->setScriptErrorNumber(3);
    command->resumeExecutionWithResult(u"done");
    command->resumeExecutionWithResult(u"again");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(result, Value(u"done"));
    EXPECT_FALSE(command->isSuspended());
}

TEST_F(ScriptCommands, NobodyHoldsACommandOnceItAnswered) {
    ScriptCommand::registerCommand<LaterCommand>(u"later");
    ASSERT_TRUE(ScriptCommand::executeCommandNamed(u"later", {}, {}, {}));
    ASSERT_FALSE(LaterCommand::waiting.expired());
    LaterCommand::waiting.lock()->resumeExecutionWithResult({});
    EXPECT_TRUE(LaterCommand::waiting.expired());
}

TEST_F(ScriptCommands, ResumeBeforeReturningAnswersOnceWithTheResumedResult) {
    ScriptCommand::registerCommand<LaterCommand>(u"later");
    std::vector<Value> results;
    ASSERT_TRUE(ScriptCommand::executeCommandNamed(
        u"later", {}, {{u"now", Number::int32(1)}},
        [&results](const ScriptCommand::Reply& reply) { results.push_back(reply.result); }));
    EXPECT_EQ(results, std::vector<Value>{Value(u"at once")});
    EXPECT_TRUE(LaterCommand::waiting.expired());
}

TEST_F(ScriptCommands, OlderEntryGivesNoneForASuspendedCommand) {
    ScriptCommand::registerCommand<LaterCommand>(u"later");
    const auto result = ScriptCommand::executeCommandNamed(u"later", {});
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->isNone());
    // Its late answer goes nowhere harmful.
    LaterCommand::waiting.lock()->resumeExecutionWithResult(u"late");
}

TEST(ScriptCommandBase, DefaultImplementationGivesNone) {
    ScriptCommand command;
    command.setDirectParameter(Number::int32(1));
    EXPECT_TRUE(command.executeCommand().isNone());
}

} // namespace

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

TEST(ScriptCommandBase, DefaultImplementationGivesNone) {
    ScriptCommand command;
    command.setDirectParameter(Number::int32(1));
    EXPECT_TRUE(command.executeCommand().isNone());
}

} // namespace

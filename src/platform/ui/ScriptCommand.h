#pragma once

#include "platform/base/Object.h"
#include "platform/base/String.h"
#include "platform/base/Value.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace platform {

// A command that a script sends to the application. A subclass does its work in
// performDefaultImplementation, reading the direct parameter and the evaluated arguments.
// A command whose answer comes later (after a sheet, an open) suspends itself there and
// answers through resumeExecutionWithResult.
//
// The commands are registered by name, and executeCommandNamed runs one: it stands in for
// the scripting bridge that delivers a script's commands on the platform, and is what the
// program's entry points and the tests call.
class ScriptCommand : public Object {
public:
    using Factory = std::function<std::shared_ptr<ScriptCommand>()>;

    // What a command answers its script.
    struct Reply {
        Value result;
        std::int32_t errorNumber = 0; // 0: success
        std::optional<String> errorString;
    };
    using ReplyHandler = std::function<void(const Reply& reply)>;

    [[nodiscard]] const Value& directParameter() const { return directParameter_; }
    void setDirectParameter(Value directParameter);

    // The arguments by key; a script's arguments arrive evaluated already.
    [[nodiscard]] const Dictionary& evaluatedArguments() const { return arguments_; }
    void setArguments(Dictionary arguments);

    [[nodiscard]] std::int32_t scriptErrorNumber() const { return errorNumber_; }
    void setScriptErrorNumber(std::int32_t number);
    [[nodiscard]] const std::optional<String>& scriptErrorString() const { return errorString_; }
    void setScriptErrorString(String text);

    // Called from performDefaultImplementation: the answer waits for resumeExecutionWithResult.
    void suspendExecution();
    // Answers a suspended command once; does nothing otherwise.
    void resumeExecutionWithResult(Value result);
    [[nodiscard]] bool isSuspended() const { return state_ == State::suspended; }

    // The result for the script; none by default.
    [[nodiscard]] virtual Value performDefaultImplementation();
    // Runs performDefaultImplementation.
    [[nodiscard]] Value executeCommand();

    static void registerCommand(const String& name, Factory factory);
    template <typename Command> static void registerCommand(const String& name) {
        registerCommand(name, [] { return std::make_shared<Command>(); });
    }
    // Runs the named command on the main thread; the handler is called exactly once: at once
    // with performDefaultImplementation's result, or, when the command suspended itself, at its
    // resume. False, and the handler never called, when no command has that name.
    static bool executeCommandNamed(const String& name, Value directParameter, Dictionary arguments,
                                    ReplyHandler handler);
    // The command's immediate result (none for one that suspended itself); none when no
    // command has that name.
    [[nodiscard]] static std::optional<Value>
    executeCommandNamed(const String& name, Value directParameter, Dictionary arguments = {});
    // Forgets every registered command, for tests.
    static void resetRegisteredCommands();

private:
    enum class State { idle, executing, suspended, answered };

    void answer(Value result);

    Value directParameter_;
    Dictionary arguments_;
    std::int32_t errorNumber_ = 0;
    std::optional<String> errorString_;
    State state_ = State::idle;
    ReplyHandler handler_;
    // A suspended command lives until it answers, whoever else lets go of it.
    std::shared_ptr<ScriptCommand> keptAlive_;
};

} // namespace platform

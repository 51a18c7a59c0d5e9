#include "platform/ui/ScriptCommand.h"

#include <map>

namespace platform {
namespace {

// Scripts reach the application on the main thread only.
std::map<String, ScriptCommand::Factory>& registeredCommands() {
    static std::map<String, ScriptCommand::Factory> commands;
    return commands;
}

} // namespace

void ScriptCommand::setDirectParameter(Value directParameter) {
    directParameter_ = std::move(directParameter);
}

void ScriptCommand::setArguments(Dictionary arguments) {
    arguments_ = std::move(arguments);
}

void ScriptCommand::setScriptErrorNumber(std::int32_t number) {
    errorNumber_ = number;
}

void ScriptCommand::setScriptErrorString(String text) {
    errorString_ = std::move(text);
}

void ScriptCommand::suspendExecution() {
    if (state_ == State::idle || state_ == State::executing)
        state_ = State::suspended;
}

void ScriptCommand::resumeExecutionWithResult(Value result) {
    if (state_ != State::suspended)
        return;
    answer(std::move(result));
}

Value ScriptCommand::performDefaultImplementation() {
    return {};
}

Value ScriptCommand::executeCommand() {
    return performDefaultImplementation();
}

void ScriptCommand::answer(Value result) {
    state_ = State::answered;
    // Let go of ourselves only once the handler has returned.
    const auto self = std::move(keptAlive_);
    const auto handler = std::move(handler_);
    handler_ = {};
    if (handler)
        handler(Reply{std::move(result), errorNumber_, errorString_});
}

void ScriptCommand::registerCommand(const String& name, Factory factory) {
    registeredCommands()[name] = std::move(factory);
}

bool ScriptCommand::executeCommandNamed(const String& name, Value directParameter,
                                        Dictionary arguments, ReplyHandler handler) {
    const auto found = registeredCommands().find(name);
    if (found == registeredCommands().end())
        return false;
    const auto command = found->second();
    if (!command)
        return false;
    command->setDirectParameter(std::move(directParameter));
    command->setArguments(std::move(arguments));
    command->handler_ = std::move(handler);
    command->state_ = State::executing;
    auto result = command->performDefaultImplementation();
    switch (command->state_) {
    case State::suspended:
        command->keptAlive_ = command;
        break;
    case State::answered: // resumed before it returned
        break;
    case State::idle:
    case State::executing:
        command->answer(std::move(result));
        break;
    }
    return true;
}

std::optional<Value> ScriptCommand::executeCommandNamed(const String& name, Value directParameter,
                                                        Dictionary arguments) {
    // Shared, as a suspended command answers after we have returned.
    const auto immediate = std::make_shared<Value>();
    const bool known =
        executeCommandNamed(name, std::move(directParameter), std::move(arguments),
                            [immediate](const Reply& reply) { *immediate = reply.result; });
    if (!known)
        return std::nullopt;
    return *immediate;
}

void ScriptCommand::resetRegisteredCommands() {
    registeredCommands().clear();
}

} // namespace platform

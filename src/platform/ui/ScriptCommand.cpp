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

Value ScriptCommand::performDefaultImplementation() {
    return {};
}

Value ScriptCommand::executeCommand() {
    return performDefaultImplementation();
}

void ScriptCommand::registerCommand(const String& name, Factory factory) {
    registeredCommands()[name] = std::move(factory);
}

std::optional<Value> ScriptCommand::executeCommandNamed(const String& name, Value directParameter,
                                                        Dictionary arguments) {
    const auto found = registeredCommands().find(name);
    if (found == registeredCommands().end())
        return std::nullopt;
    const auto command = found->second();
    if (!command)
        return std::nullopt;
    command->setDirectParameter(std::move(directParameter));
    command->setArguments(std::move(arguments));
    return command->executeCommand();
}

void ScriptCommand::resetRegisteredCommands() {
    registeredCommands().clear();
}

} // namespace platform

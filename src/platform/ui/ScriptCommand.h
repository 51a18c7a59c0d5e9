#pragma once

#include "platform/base/Object.h"
#include "platform/base/String.h"
#include "platform/base/Value.h"

#include <functional>
#include <memory>
#include <optional>

namespace platform {

// A command that a script sends to the application. A subclass does its work in
// performDefaultImplementation, reading the direct parameter and the evaluated arguments.
//
// The commands are registered by name, and executeCommandNamed runs one: it stands in for
// the scripting bridge that delivers a script's commands on the platform, and is what the
// program's entry points and the tests call.
class ScriptCommand : public Object {
public:
    using Factory = std::function<std::shared_ptr<ScriptCommand>()>;

    [[nodiscard]] const Value& directParameter() const { return directParameter_; }
    void setDirectParameter(Value directParameter);

    // The arguments by key; a script's arguments arrive evaluated already.
    [[nodiscard]] const Dictionary& evaluatedArguments() const { return arguments_; }
    void setArguments(Dictionary arguments);

    // The result for the script; none by default.
    [[nodiscard]] virtual Value performDefaultImplementation();
    // Runs performDefaultImplementation.
    [[nodiscard]] Value executeCommand();

    static void registerCommand(const String& name, Factory factory);
    template <typename Command> static void registerCommand(const String& name) {
        registerCommand(name, [] { return std::make_shared<Command>(); });
    }
    // The command's result; none when no command has that name.
    [[nodiscard]] static std::optional<Value>
    executeCommandNamed(const String& name, Value directParameter, Dictionary arguments = {});
    // Forgets every registered command, for tests.
    static void resetRegisteredCommands();

private:
    Value directParameter_;
    Dictionary arguments_;
};

} // namespace platform

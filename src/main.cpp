#include "gui/GuiApplication.h"
#include "gui/SessionBusClient.h"
#include "interface/ApplicationMain.h"
#include "platform/ui/CommandLine.h"
#include "platform/ui/Environment.h"

#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    auto request = platform::CommandLine::read(arguments, STDIN_FILENO);
    if (!request) {
        std::cerr << request.error().message;
        return request.error().exitStatus;
    }
    // A running instance performs it, and this start makes no window.
    if (const auto status = gui::SessionBusClient::forward(*request))
        return *status;

    // The program's shared objects, ended before it exits.
    platform::Environment environment;
    return ApplicationMain([&request](int, char** programArgv,
                                      const std::shared_ptr<platform::Application>& application) {
               // Qt sees only the program's name: a file may be called -style.
               return gui::runApplication(1, programArgv, application, std::move(*request));
           })
        .run(argc, argv);
}

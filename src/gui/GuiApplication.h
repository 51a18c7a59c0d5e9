#pragma once

#include "platform/ui/DesktopRequest.h"

#include <memory>
#include <optional>

namespace platform {
class Application;
}

namespace gui {

// Runs the model's application as a desktop program with Qt 6 Widgets: makes the Qt
// application, installs the Qt event loop as the main run loop, renders the application's
// windows, finishes its launching and runs until it stops running. Answers the exit status.
// Once launched it takes the program's name on the session bus and performs the request
// of its command line (files are the launch's own), telling a failure on stderr.
//
//     int main(int argc, char** argv) { return gui::runApplication(argc, argv, application); }
[[nodiscard]] int runApplication(int argc, char** argv,
                                 const std::shared_ptr<platform::Application>& application,
                                 std::optional<platform::DesktopRequest> request = std::nullopt);

class GuiApplication {
public:
    GuiApplication(int argc, char** argv, std::shared_ptr<platform::Application> application,
                   std::optional<platform::DesktopRequest> request = std::nullopt);
    ~GuiApplication();
    GuiApplication(const GuiApplication&) = delete;
    GuiApplication& operator=(const GuiApplication&) = delete;

    [[nodiscard]] int run();

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

} // namespace gui

#pragma once

#include <memory>

namespace platform {
class Application;
}

namespace gui {

// Runs the model's application as a desktop program with Qt 6 Widgets: makes the Qt
// application, installs the Qt event loop as the main run loop, renders the application's
// windows, finishes its launching and runs until it stops running. Answers the exit status.
//
//     int main(int argc, char** argv) { return gui::runApplication(argc, argv, application); }
[[nodiscard]] int runApplication(int argc, char** argv,
                                 const std::shared_ptr<platform::Application>& application);

class GuiApplication {
public:
    GuiApplication(int argc, char** argv, std::shared_ptr<platform::Application> application);
    ~GuiApplication();
    GuiApplication(const GuiApplication&) = delete;
    GuiApplication& operator=(const GuiApplication&) = delete;

    [[nodiscard]] int run();

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

} // namespace gui

#pragma once

#include "platform/base/Observation.h"

#include <functional>
#include <memory>

namespace platform {
class Application;
class DocumentController;
class LoadedInterface;
} // namespace platform

// The program's start: makes the application, registers the interface descriptions and
// the document type, loads "MainMenu" as the main menu (it makes the application's
// delegate) and "Preferences", and connects the document controller, then hands the application to
// the front end that runs it. At launch it opens the files named on the command line (locked) or
// else a new untitled document, unless the command line asks for something else, which the
// front end performs; quitting reviews the edited documents first. What it makes goes
// into the current platform::Environment, which its caller built (main, or a test's fixture).
class ApplicationMain {
public:
    // Runs the application until it stops and answers the exit status (gui::runApplication).
    using FrontEnd = std::function<int(int argc, char** argv,
                                       const std::shared_ptr<platform::Application>& application)>;

    explicit ApplicationMain(FrontEnd frontEnd);

    [[nodiscard]] int run(int argc, char** argv);

    // The same start-up for a program that runs the application itself (the tests).
    // `argv` is read at launch, so a front end may first take its own options out of it.
    void prepare(int argc, char** argv);
    [[nodiscard]] const std::shared_ptr<platform::Application>& application() const {
        return application_;
    }
    [[nodiscard]] const std::shared_ptr<platform::DocumentController>& controller() const {
        return controller_;
    }

private:
    void launch(int argc, char** argv);

    FrontEnd frontEnd_;
    std::shared_ptr<platform::Application> application_;
    std::shared_ptr<platform::DocumentController> controller_;
    std::shared_ptr<platform::LoadedInterface> mainMenu_;
    std::shared_ptr<platform::LoadedInterface> preferences_;
    platform::Observation stopped_;
};

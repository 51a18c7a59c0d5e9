#include "gui/GuiApplication.h"
#include "interface/ApplicationMain.h"
#include "platform/ui/Environment.h"

int main(int argc, char** argv) {
    // The program's shared objects, ended before it exits.
    platform::Environment environment;
    return ApplicationMain(gui::runApplication).run(argc, argv);
}

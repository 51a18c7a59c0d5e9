#include "gui/GuiApplication.h"
#include "interface/ApplicationMain.h"

int main(int argc, char** argv) {
    return ApplicationMain(gui::runApplication).run(argc, argv);
}

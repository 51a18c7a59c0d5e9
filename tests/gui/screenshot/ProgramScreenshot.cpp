// Runs the program's own start-up on Xvfb, makes a document with a password and a partly
// bold body, saves it, opens it again, and writes a PNG of the screen with the locked
// window, another once its password has unlocked it, and one with the body's ruler, for a
// person to check the look.
// tools/screenshot-program runs it.

#include "document/MyDocument.h"
#include "gui/GuiApplication.h"
#include "interface/ApplicationMain.h"
#include "platform/base/Timer.h"
#include "platform/base/URL.h"
#include "platform/ui/Alert.h"
#include "platform/ui/AlertPanel.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/DocumentController.h"
#include "platform/ui/Environment.h"
#include "platform/ui/SavePanel.h"
#include "platform/ui/SecureTextField.h"
#include "platform/ui/TextView.h"
#include "platform/ui/Window.h"
#include "support/Views.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using platform::String;

namespace {

using testsupport::viewsOf;

// Runs its steps one after the other, with time between them for the windows to show.
class Script {
public:
    Script(std::string folder, ApplicationMain& program)
        : folder_(std::move(folder)), program_(program) {}

    void add(std::function<void()> step) { steps_.push_back(std::move(step)); }
    void start() { next(0); }

    void take(const std::string& name) {
        const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(0);
        const std::string path = folder_ + "/" + name + ".png";
        if (!picture.save(QString::fromStdString(path))) {
            std::fprintf(stderr, "screenshot: could not write %s\n", path.c_str());
            ++failures;
            return;
        }
        std::printf("%s\n", path.c_str());
    }

    [[nodiscard]] std::shared_ptr<MyDocument> document() const {
        const auto& documents = program_.controller()->documents();
        return documents.empty() ? nullptr
                                 : std::dynamic_pointer_cast<MyDocument>(documents.back());
    }

    int failures = 0;

private:
    void next(std::size_t index) {
        if (index == steps_.size()) {
            program_.application()->terminate(nullptr);
            return;
        }
        timer_ = platform::Timer::scheduledTimerWithTimeInterval(0.8, false,
                                                                 [this, index](platform::Timer&) {
                                                                     steps_[index]();
                                                                     next(index + 1);
                                                                 });
    }

    std::string folder_;
    ApplicationMain& program_;
    std::vector<std::function<void()>> steps_;
    std::shared_ptr<platform::Timer> timer_;
};

void pressButton(const platform::Window& sheet, const String& title) {
    for (const auto& button : viewsOf<platform::Button>(sheet))
        if (button->title() == title)
            button->userPress();
}

void sendKey(QWidget* widget, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
    QCoreApplication::sendEvent(widget, &release);
}

void addSteps(Script& script, const String& path) {
    const String password = u"orchid7";
    script.add([&script, password] {
        const auto sheet = script.document()->myWindow()->attachedSheet();
        for (const auto& field : viewsOf<platform::SecureTextField>(*sheet))
            field->userType(password);
        pressButton(*sheet, u"OK");
    });
    script.add([&script] {
        const auto window = script.document()->myWindow();
        if (const auto alert = platform::AlertPanel::alertOf(window->attachedSheet()))
            (void)alert->userPressButton(u"OK");
    });
    script.add([&script] {
        const auto text = script.document()->myTextView();
        text->userTypeText(u"Dear diary,\nthe garden is full of orchids this spring.");
        text->userSelect({0, 10});
        text->userToggleBold();
        text->userSelect({text->string().size(), 0});
    });
    script.add([&script, path] {
        const auto document = script.document();
        document->saveDocument(nullptr);
        if (const auto panel = std::dynamic_pointer_cast<platform::SavePanel>(
                document->windowForSheet()->attachedSheet()))
            (void)panel->userChoose(path);
    });
    script.add([&script, path] {
        script.document()->close();
        platform::DocumentController::sharedDocumentController()->openDocumentWithContentsOfURL(
            *platform::URL::fileURLWithPath(path), true);
    });
    script.add([&script] { script.take("program-locked"); });
    // Typed as keys into the focused field, so that the window sees the user's input.
    script.add([password] {
        QWidget* field = QApplication::focusWidget();
        if (!field) {
            std::fprintf(stderr, "screenshot: the locked window has no focused field\n");
            return;
        }
        const QString typed = QString::fromStdU16String(password);
        for (const QChar character : typed)
            sendKey(field, Qt::Key_unknown, QString(character));
        sendKey(field, Qt::Key_Return, QString());
    });
    script.add([&script] { script.take("program-unlocked"); });
    // The ruler as the setting "StartWithRuler" shows it, over a paragraph that has indents
    // and a tab stop.
    script.add([&script] {
        const auto text = script.document()->myTextView();
        text->setRulerVisible(true);
        text->userSelect({12, 0});
        text->userSetLeftIndent(720);
        text->userSetFirstLineIndent(-360);
        text->userSetRightIndent(1440);
        text->userSetTabStops({2880});
        text->userSelect({22, 0});
        text->userTypeText(u"\t");
    });
    script.add([&script] {
        script.take("program-ruler");
        // Nothing to save at the end.
        script.document()->updateChangeCount(platform::ChangeCleared);
    });
}

} // namespace

int main(int argc, char** argv) {
    platform::Environment environment;
    const std::string folder = argc > 1 ? argv[1] : ".";
    QTemporaryDir files;
    const String path =
        platform::fromUtf8(files.filePath("Diary.sealscribe").toStdString()).value();
    int failures = 0;
    ApplicationMain program([&](int count, char** arguments,
                                const std::shared_ptr<platform::Application>& application) {
        gui::GuiApplication shown(count, arguments, application);
        Script script(folder, program);
        addSteps(script, path);
        script.start();
        const int status = shown.run();
        failures = script.failures;
        return status;
    });
    char* only[] = {argv[0], nullptr};
    const int status = program.run(1, only);
    return status != 0 ? status : (failures > 0 ? 1 : 0);
}

// Shows a document-like window with its toolbar, menu bar, a password sheet and an alert,
// and writes a PNG of the screen's region around the window at each step, for a person to
// check the look. Run under a real X server (tools/screenshot uses xvfb-run).

#include "gui/GuiApplication.h"
#include "platform/base/Timer.h"
#include "platform/ui/Alert.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Environment.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/Panel.h"
#include "platform/ui/ProgressIndicator.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/SecureTextField.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextStorage.h"
#include "platform/ui/TextView.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/ToolbarDelegate.h"
#include "platform/ui/ToolbarItem.h"
#include "platform/ui/Window.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace platform;

namespace {

class DocumentToolbar : public ToolbarDelegate {
public:
    std::shared_ptr<ToolbarItem> toolbar(Toolbar&, const String& identifier, bool) override {
        auto item = std::make_shared<ToolbarItem>(identifier);
        item->setLabel(identifier);
        item->setToolTip(identifier + u" the document");
        item->setImageName(identifier == u"Lock" ? u"changes-prevent" : u"document-print");
        return item;
    }
    std::vector<String> toolbarDefaultItemIdentifiers(Toolbar&) override {
        return {u"Lock", u"Print"};
    }
    std::vector<String> toolbarAllowedItemIdentifiers(Toolbar& toolbar) override {
        return toolbarDefaultItemIdentifiers(toolbar);
    }
};

std::shared_ptr<Menu> submenu(const String& title, const std::vector<String>& items) {
    auto menu = std::make_shared<Menu>(title);
    for (const auto& item : items)
        menu->addItem(item.empty() ? MenuItem::separatorItem()
                                   : std::make_shared<MenuItem>(item, u"", u""));
    return menu;
}

std::shared_ptr<Menu> mainMenu() {
    auto menu = std::make_shared<Menu>();
    const std::vector<std::pair<String, std::vector<String>>> menus = {
        {u"Sealscribe", {u"About Sealscribe", u"", u"Quit Sealscribe"}},
        {u"File", {u"New", u"Open\u2026", u"", u"Close", u"Save"}},
        {u"Edit", {u"Undo", u"Redo", u"", u"Cut", u"Copy", u"Paste"}},
        {u"Format", {u"Font", u"Text"}},
        {u"Window", {u"Minimize"}},
        {u"Help", {u"Sealscribe Help"}}};
    for (const auto& [title, items] : menus) {
        auto item = std::make_shared<MenuItem>(title, u"", u"");
        item->setSubmenu(submenu(title, items));
        menu->addItem(item);
    }
    return menu;
}

std::shared_ptr<TextField> label(const String& text, const Rect& frame) {
    auto field = TextField::labelWithString(text);
    field->setFrame(frame);
    return field;
}

std::shared_ptr<Panel> passwordSheet() {
    auto sheet = std::make_shared<Panel>(Rect(0, 0, 360, 190));
    auto content = std::make_shared<View>();
    content->addSubview(label(u"Choose the master password of the document:", {20, 120, 320, 24}));
    auto password = std::make_shared<SecureTextField>(Rect(20, 92, 320, 24));
    password->setStringValue(u"correct horse");
    content->addSubview(password);
    content->addSubview(label(u"Verify:", {20, 64, 320, 20}));
    content->addSubview(std::make_shared<SecureTextField>(Rect(20, 40, 320, 24)));
    auto cancel = std::make_shared<Button>(Rect(160, 6, 84, 28));
    cancel->setTitle(u"Cancel");
    auto ok = std::make_shared<Button>(Rect(256, 6, 84, 28));
    ok->setTitle(u"OK");
    content->addSubview(cancel);
    content->addSubview(ok);
    sheet->setContentView(content);
    return sheet;
}

std::shared_ptr<View> documentContent() {
    auto content = std::make_shared<View>();
    content->setLayoutHints({LayoutDirection::Column, 0, {}, {}});
    auto body = std::make_shared<TextView>();
    TextAttributes title;
    title.font = Font(u"Nimbus Sans", 18, true);
    auto centred = std::make_shared<ParagraphStyle>();
    centred->alignment = TextAlignment::Center;
    title.paragraphStyle = centred;
    TextAttributes plain;
    plain.font = Font(u"Nimbus Sans", 12);
    TextAttributes emphasis = plain;
    emphasis.font = Font(u"Nimbus Sans", 12, false, true);
    emphasis.foregroundColor = Color{160, 30, 30};
    AttributedString text(u"Dear diary\n", title);
    text.append(u"Today the document opened with its ",
                std::make_shared<const TextAttributes>(plain));
    text.append(u"master password", std::make_shared<const TextAttributes>(emphasis));
    text.append(u", and every style came back as it was stored.\n",
                std::make_shared<const TextAttributes>(plain));
    body->textStorage()->setAttributedString(text);
    auto scroll = std::make_shared<ScrollView>();
    scroll->setDocumentView(body);
    content->addSubview(scroll);
    auto status = std::make_shared<View>();
    status->setLayoutHints({LayoutDirection::Row, 8, {}, 28});
    auto state = label(u"Locked", {});
    state->setLayoutHints({LayoutDirection::None, 0, 80, {}});
    status->addSubview(state);
    auto spinner = std::make_shared<ProgressIndicator>();
    spinner->setLayoutHints({LayoutDirection::None, 0, 120, {}});
    spinner->startAnimation(nullptr);
    status->addSubview(spinner);
    status->addSubview(std::make_shared<View>());
    content->addSubview(status);
    return content;
}

class Screenshots {
public:
    Screenshots(std::string folder, std::shared_ptr<Window> window)
        : folder_(std::move(folder)), window_(std::move(window)) {}

    // Each step runs a moment after the one before, then a picture is taken.
    void add(std::function<void()> step, std::string name) {
        steps_.push_back({std::move(step), std::move(name)});
    }

    void start() { next(0); }

    int failures = 0;

private:
    struct Step {
        std::function<void()> run;
        std::string name;
    };

    void next(std::size_t index) {
        if (index == steps_.size()) {
            Application::sharedApplication()->terminate(nullptr);
            return;
        }
        steps_[index].run();
        timer_ = Timer::scheduledTimerWithTimeInterval(0.6, false, [this, index](Timer&) {
            take(steps_[index].name);
            next(index + 1);
        });
    }

    void take(const std::string& name) {
        QScreen* screen = QGuiApplication::primaryScreen();
        const Rect frame = window_->frame();
        const double top = screen->geometry().height() - frame.maxY();
        const QPixmap picture = screen->grabWindow(
            0, static_cast<int>(frame.minX()) - 10, static_cast<int>(top) - 10,
            static_cast<int>(frame.width()) + 20, static_cast<int>(frame.height()) + 60);
        const std::string path = folder_ + "/" + name + ".png";
        if (!picture.save(QString::fromStdString(path))) {
            std::fprintf(stderr, "screenshot: could not write %s\n", path.c_str());
            ++failures;
            return;
        }
        std::printf("%s\n", path.c_str());
    }

    std::string folder_;
    std::shared_ptr<Window> window_;
    std::vector<Step> steps_;
    std::shared_ptr<Timer> timer_;
};

} // namespace

int main(int argc, char** argv) {
    platform::Environment environment;
    const std::string folder = argc > 1 ? argv[1] : ".";
    auto application = std::make_shared<Application>();
    auto toolbarDelegate = std::make_shared<DocumentToolbar>();
    auto window = std::make_shared<Window>(Rect(200, 200, 640, 480));
    auto sheet = passwordSheet();
    auto alert = std::make_shared<Alert>();
    Screenshots screenshots(folder, window);
    application->setMainMenu(mainMenu());
    application->setLaunchHook([&] {
        window->setTitle(u"Diary.sealscribe");
        window->setMinSize({400, 300});
        auto toolbar = std::make_shared<Toolbar>(u"DocumentToolbar");
        toolbar->setDelegate(toolbarDelegate);
        window->setToolbar(toolbar);
        window->setContentView(documentContent());
        window->center();
        window->makeKeyAndOrderFront(nullptr);
        screenshots.add([] {}, "window");
        screenshots.add([&] { window->beginSheet(sheet, {}); }, "password-sheet");
        screenshots.add(
            [&] {
                window->endSheet(sheet);
                alert->setMessageText(u"Wrong Password");
                alert->setInformativeText(u"The password does not open this document.");
                alert->addButtonWithTitle(u"OK");
                alert->addButtonWithTitle(u"Cancel");
                alert->beginSheetModalForWindow(window, {});
            },
            "alert-sheet");
        screenshots.start();
    });
    const int status = gui::runApplication(argc, argv, application);
    return status != 0 ? status : screenshots.failures;
}

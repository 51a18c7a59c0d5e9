// The program with a 10 MiB body, rendered by the Qt backend on the offscreen platform:
// opening the file and unlocking it until the editor shows the whole text, and one
// keystroke typed into the editor until the model and the widget both have it (spell
// checking on, as by default: its check runs after the typing pauses, not in the keystroke);
// and that check for a part of the body not checked before.
#include "document/MyDocument.h"
#include "gui/ApplicationRenderer.h"
#include "gui/QtRunLoop.h"
#include "gui/SpellCheckHighlighter.h"
#include "gui/ViewBinding.h"
#include "gui/WindowWidget.h"
#include "interface/ApplicationMain.h"
#include "platform/base/ScopedMainRunLoop.h"
#include "platform/base/URL.h"
#include "platform/ui/DocumentController.h"
#include "platform/ui/Environment.h"
#include "platform/ui/SecureTextField.h"
#include "platform/ui/TextStorage.h"
#include "platform/ui/TextView.h"
#include "platform/ui/Window.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <functional>

using platform::String;

namespace {

const String password = u"correct horse battery staple";
constexpr std::size_t bodyLength = 10 << 20;

// Paragraphs of a few lines each, as a long document has them.
platform::Data body() {
    std::string text = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Helvetica;}}\\f0\\fs24 ";
    const std::string sentence = "The quick brown fox jumps over the lazy dog. ";
    while (text.size() + 64 < bodyLength) {
        for (int i = 0; i < 6; ++i)
            text += sentence;
        text += "{\\b bold words} and plain ones.\\par\n";
    }
    text += "}";
    return platform::dataFromBytes(text);
}

bool waitUntil(const std::function<bool()>& condition) {
    QDeadlineTimer deadline(60000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// The program's start-up on the benchmark's Qt application, with a saved 10 MiB document.
class Program {
public:
    Program() {
        program_.prepare(1, arguments_);
        renderer_ = std::make_unique<gui::ApplicationRenderer>(program_.application());
        path_ = folder_.filePath("Large.sealscribe").toStdString();
        auto document = std::make_shared<MyDocument>();
        document->setPlainPassword(password);
        document->setMyTextViewData(body());
        std::optional<String> error;
        const auto file = document->dataOfType(u"sealscribe", error).value_or(platform::Data());
        std::ofstream(path_, std::ios::binary)
            .write(reinterpret_cast<const char*>(file.data()),
                   static_cast<std::streamsize>(file.size()));
    }

    ~Program() {
        closeAll();
        renderer_.reset();
    }

    // Opens the file and unlocks it; answers the editor showing its text, or none.
    QTextEdit* openAndUnlock() {
        const auto controller = program_.controller();
        controller->openDocumentWithContentsOfURL(
            *platform::URL::fileURLWithPath(*platform::fromUtf8(path_)), true);
        if (!waitUntil([&] { return document() && editor() != nullptr; }))
            return nullptr;
        const auto field = document()->passwordToDecryptField();
        field->userType(password);
        field->userPressEnter();
        QTextEdit* edit = editor();
        const auto storage = document()->myTextView()->textStorage();
        if (!waitUntil([&] {
                return edit->isVisible() && storage->length() > 0 &&
                       static_cast<std::size_t>(edit->document()->characterCount() - 1) ==
                           storage->length();
            }))
            return nullptr;
        QCoreApplication::processEvents();
        return edit;
    }

    void closeAll() {
        for (const auto& each : std::vector(program_.controller()->documents()))
            each->close();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    [[nodiscard]] std::shared_ptr<MyDocument> document() const {
        const auto& documents = program_.controller()->documents();
        return documents.empty() ? nullptr
                                 : std::dynamic_pointer_cast<MyDocument>(documents.front());
    }

private:
    [[nodiscard]] QTextEdit* editor() const {
        const auto shown = document();
        gui::WindowWidget* root = shown ? renderer_->widgetFor(*shown->myWindow()) : nullptr;
        auto* binding = root ? gui::ViewBinding::find(root, shown->myTextView().get()) : nullptr;
        return binding ? qobject_cast<QTextEdit*>(binding->focusWidget()) : nullptr;
    }

    QTemporaryDir settings_;
    QTemporaryDir folder_;
    std::string path_;
    char name_[11] = "sealscribe";
    char* arguments_[2] = {name_, nullptr};
    gui::QtRunLoop loop_;
    platform::ScopedMainRunLoop installed_{loop_};
    platform::Environment environment_{std::filesystem::path(settings_.path().toStdString()) /
                                       "Sealscribe"};
    ApplicationMain program_{nullptr};
    std::unique_ptr<gui::ApplicationRenderer> renderer_;
};

void BM_OpenAndUnlockShowsTheText(benchmark::State& state) {
    Program program;
    for (auto _ : state) {
        if (!program.openAndUnlock())
            state.SkipWithError("the text was not shown");
        state.PauseTiming();
        program.closeAll();
        state.ResumeTiming();
    }
}

void BM_Keystroke(benchmark::State& state) {
    Program program;
    QTextEdit* edit = program.openAndUnlock();
    if (!edit) {
        state.SkipWithError("the text was not shown");
        return;
    }
    const auto storage = program.document()->myTextView()->textStorage();
    edit->setFocus();
    QTextCursor middle = edit->textCursor();
    middle.setPosition(edit->document()->characterCount() / 2);
    edit->setTextCursor(middle);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        const std::size_t before = storage->length();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QCoreApplication::sendEvent(edit->viewport(), &press);
        QCoreApplication::sendEvent(edit->viewport(), &release);
        edit->viewport()->repaint();
        QCoreApplication::processEvents();
        if (storage->length() != before + 1 ||
            static_cast<std::size_t>(edit->document()->characterCount() - 1) != before + 1)
            state.SkipWithError("the keystroke was lost");
    }
}

// Each time a jump to another part of the body, then the check of the text in and around
// the viewport, which a keystroke, scroll or resize leads to once the user pauses.
void BM_SpellCheckOfANewlyShownPart(benchmark::State& state) {
    Program program;
    QTextEdit* edit = program.openAndUnlock();
    auto* spelling = edit ? edit->findChild<gui::SpellCheckHighlighter*>() : nullptr;
    if (!spelling || !spelling->isChecking()) {
        state.SkipWithError("no spell checking of the text");
        return;
    }
    // Reads the dictionary.
    spelling->checkNow();
    QScrollBar* scroll = edit->verticalScrollBar();
    const int step = std::max(scroll->maximum() / 97, 1);
    int at = 0;
    for (auto _ : state) {
        state.PauseTiming();
        at = (at + step) % std::max(scroll->maximum(), 1);
        scroll->setValue(at);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        spelling->checkNow();
    }
}

BENCHMARK(BM_OpenAndUnlockShowsTheText)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Keystroke)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpellCheckOfANewlyShownPart)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The program with a 10 MiB body, rendered by the Qt backend: opening the file and
// unlocking it until the editor shows the whole text and has painted it; one keystroke on
// the first line, in the middle and on the last line, until the model and the widget both
// have it and the widget has repainted (spell checking on, as by default: its check runs
// after the typing pauses, not in the keystroke); the plain-text conversion until the editor
// shows it; the spell check for a part of the body not
// checked before; and, as the reference for opening, a bare QTextEdit taking the same text
// anew. Offscreen unless told otherwise; on X under Xvfb:
//     xvfb-run -a env QT_QPA_PLATFORM=xcb build/bench/bench/bench_program
#include "document/MyDocument.h"
#include "gui/ApplicationRenderer.h"
#include "gui/QtRunLoop.h"
#include "gui/SpellCheckHighlighter.h"
#include "gui/TextFormats.h"
#include "gui/ViewBinding.h"
#include "gui/WindowWidget.h"
#include "interface/ApplicationMain.h"
#include "platform/base/ScopedMainRunLoop.h"
#include "platform/base/URL.h"
#include "platform/text/RTFReader.h"
#include "platform/ui/DocumentController.h"
#include "platform/ui/Environment.h"
#include "platform/ui/SecureTextField.h"
#include "platform/ui/TextStorage.h"
#include "platform/ui/TextView.h"
#include "platform/ui/Window.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
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
        edit->viewport()->repaint();
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

// The plain-text conversion of the shown body, until the editor has the restyled text and
// has painted it.
void BM_PlainTextConversionShown(benchmark::State& state) {
    Program program;
    for (auto _ : state) {
        state.PauseTiming();
        QTextEdit* edit = program.openAndUnlock();
        if (!edit) {
            state.SkipWithError("the text was not shown");
            return;
        }
        const auto document = program.document();
        state.ResumeTiming();
        document->doMakePlainText();
        QCoreApplication::processEvents();
        edit->viewport()->repaint();
        state.PauseTiming();
        if (static_cast<std::size_t>(edit->document()->characterCount() - 1) !=
            document->myTextView()->textStorage()->length())
            state.SkipWithError("the text was lost");
        program.closeAll();
        state.ResumeTiming();
    }
}

enum class Place { FirstLine, Middle, LastLine };

int positionAt(Place place, const QTextDocument& document) {
    switch (place) {
    case Place::FirstLine:
        return 10;
    case Place::Middle:
        return document.characterCount() / 2;
    case Place::LastLine:
        break;
    }
    return document.characterCount() - 1;
}

// Lays out the whole document, as it is once Qt's lazy layout has run, so that every
// keystroke meets the same state.
void layOutEverything(QTextEdit& edit) {
    const QTextBlock last = edit.document()->lastBlock();
    static_cast<void>(edit.document()->documentLayout()->blockBoundingRect(last));
    QCoreApplication::processEvents();
}

// One key typed into the widget, until the model and the document both have it and the
// viewport has painted (repaint() paints at once, on the calling thread).
void BM_Keystroke(benchmark::State& state, Place place) {
    Program program;
    QTextEdit* edit = program.openAndUnlock();
    if (!edit) {
        state.SkipWithError("the text was not shown");
        return;
    }
    const auto storage = program.document()->myTextView()->textStorage();
    edit->setFocus();
    layOutEverything(*edit);
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(positionAt(place, *edit->document()));
    edit->setTextCursor(cursor);
    edit->ensureCursorVisible();
    edit->viewport()->repaint();
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
    layOutEverything(*edit);
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

QString qtString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QSize programEditorSize() {
    Program program;
    const QTextEdit* shown = program.openAndUnlock();
    return shown ? shown->size() : QSize(480, 250);
}

// The references for opening: a bare QTextEdit of the size of the program's editor takes
// the body's characters anew and is shown and painted, without the file, the model or the
// program. `fill` gives the edit the text before it is shown, as the program fills its
// editor while the document is locked.
void bareTextEditTakes(benchmark::State& state, const std::function<void(QTextEdit&)>& fill,
                       qsizetype length) {
    const QSize size = programEditorSize();
    for (auto _ : state) {
        auto edit = std::make_unique<QTextEdit>();
        edit->resize(size);
        fill(*edit);
        edit->show();
        QCoreApplication::processEvents();
        edit->viewport()->repaint();
        if (edit->document()->characterCount() - 1 != length)
            state.SkipWithError("the text was not shown");
        state.PauseTiming();
        edit.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// Plain text: setPlainText.
void BM_BareTextEditSetPlainText(benchmark::State& state) {
    const auto text = platform::RTFReader::read(platform::bytesOf(body()));
    const QString plain = qtString(text ? text->string() : String());
    bareTextEditTakes(
        state, [&](QTextEdit& edit) { edit.setPlainText(plain); }, plain.size());
}

// The same rich runs: one QTextCursor inserts each run in its character format, in one edit
// block that begins by clearing the document, so that Qt lays the text out lazily; no undo,
// as in the program's editor.
void BM_BareTextEditInsertRuns(benchmark::State& state) {
    const auto text = platform::RTFReader::read(platform::bytesOf(body()));
    std::vector<std::pair<QString, QTextCharFormat>> runs;
    for (std::size_t run = 0; text && run < text->runCount(); ++run)
        runs.emplace_back(qtString(text->substring(text->runRange(run))),
                          gui::TextFormats::charFormat(*text->runAttributes(run)));
    bareTextEditTakes(
        state,
        [&](QTextEdit& edit) {
            edit.setUndoRedoEnabled(false);
            QTextCursor cursor(edit.document());
            cursor.beginEditBlock();
            edit.document()->clear();
            for (const auto& [characters, format] : runs)
                cursor.insertText(characters, format);
            cursor.endEditBlock();
            // At the start, as setPlainText and the program leave it.
            cursor.setPosition(0);
            edit.setTextCursor(cursor);
        },
        text ? static_cast<qsizetype>(text->length()) : 0);
}

BENCHMARK(BM_OpenAndUnlockShowsTheText)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PlainTextConversionShown)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_BareTextEditSetPlainText)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_BareTextEditInsertRuns)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(BM_Keystroke, firstLine, Place::FirstLine)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Keystroke, middle, Place::Middle)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Keystroke, lastLine, Place::LastLine)->Unit(benchmark::kMillisecond);
// Fewer iterations than parts, so that each check meets text not checked before.
BENCHMARK(BM_SpellCheckOfANewlyShownPart)->Unit(benchmark::kMillisecond)->Iterations(90);

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

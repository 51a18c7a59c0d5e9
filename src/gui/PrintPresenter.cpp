#include "gui/PrintPresenter.h"

#include "gui/QtString.h"
#include "gui/TextFormats.h"
#include "platform/ui/Button.h"
#include "platform/ui/PrintOperation.h"
#include "platform/ui/Text.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextStorage.h"
#include "platform/ui/View.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>

namespace gui {
namespace {

void appendText(const platform::View& view, platform::String& text) {
    platform::String own;
    if (const auto* field = dynamic_cast<const platform::TextField*>(&view))
        own = field->stringValue();
    else if (const auto* button = dynamic_cast<const platform::Button*>(&view))
        own = button->title();
    if (!own.empty()) {
        if (!text.empty())
            text += u'\n';
        text += own;
    }
    for (const auto& subview : view.subviews())
        appendText(*subview, text);
}

// A text prints with its styles, any other view as the text of its controls.
void fill(QTextDocument& document, const platform::View& view) {
    if (const auto* text = dynamic_cast<const platform::Text*>(&view)) {
        const auto& content = text->textStorage()->attributedString();
        QTextCursor cursor(&document);
        TextFormats::insert(cursor, content, {0, content.length()});
        TextFormats::formatBlocks(cursor, content, {0, content.length()});
        return;
    }
    document.setPlainText(toQString(PrintPresenter::textOf(view)));
}

} // namespace

void PrintPresenter::install() {
    platform::PrintOperation::setPresenter(&PrintPresenter::present);
}

void PrintPresenter::uninstall() {
    platform::PrintOperation::setPresenter({});
}

void PrintPresenter::present(const std::shared_ptr<platform::PrintOperation>& operation) {
    QPrinter printer;
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted || !operation->view()) {
        operation->cancel();
        return;
    }
    QTextDocument document;
    fill(document, *operation->view());
    document.print(&printer);
    // A printer that failed has printed nothing.
    if (printer.printerState() == QPrinter::Error)
        operation->cancel();
    else
        operation->complete();
}

platform::String PrintPresenter::textOf(const platform::View& view) {
    platform::String text;
    appendText(view, text);
    return text;
}

} // namespace gui

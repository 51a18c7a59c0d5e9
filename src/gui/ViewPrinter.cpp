#include "gui/ViewPrinter.h"

#include "gui/QtString.h"
#include "gui/TextFormats.h"
#include "platform/ui/Button.h"
#include "platform/ui/Text.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextStorage.h"
#include "platform/ui/View.h"

#include <QAbstractTextDocumentLayout>
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

void fill(QTextDocument& document, const platform::View& view) {
    if (const auto* text = dynamic_cast<const platform::Text*>(&view)) {
        const auto& content = text->textStorage()->attributedString();
        QTextCursor cursor(&document);
        TextFormats::insert(cursor, content, {0, content.length()});
        TextFormats::formatBlocks(cursor, content, {0, content.length()});
        return;
    }
    document.setPlainText(toQString(ViewPrinter::textOf(view)));
}

} // namespace

bool ViewPrinter::print(const platform::View& view, QPrinter& printer) {
    QTextDocument document;
    // Laid out for the printer's resolution on its printable area, so that the margins are
    // the page layout's alone (Qt would add two centimetres of its own).
    document.documentLayout()->setPaintDevice(&printer);
    document.setDocumentMargin(0);
    fill(document, view);
    document.setPageSize(printer.pageRect(QPrinter::DevicePixel).size());
    document.print(&printer);
    return printer.printerState() != QPrinter::Error;
}

platform::String ViewPrinter::textOf(const platform::View& view) {
    platform::String text;
    appendText(view, text);
    return text;
}

} // namespace gui

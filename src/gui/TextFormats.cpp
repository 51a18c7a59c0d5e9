#include "gui/TextFormats.h"

#include "gui/QtString.h"
#include "platform/text/TextAttachment.h"

#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

namespace gui {
namespace {

// Twips per point; a point is one unit of the document's layout.
constexpr double twipsPerPoint = 20;
constexpr char16_t attachmentCharacter = 0xFFFC;

QColor qtColor(const platform::Color& color) {
    return QColor(color.red, color.green, color.blue);
}

Qt::Alignment qtAlignment(platform::TextAlignment alignment) {
    switch (alignment) {
    case platform::TextAlignment::Center:
        return Qt::AlignHCenter;
    case platform::TextAlignment::Right:
        return Qt::AlignRight;
    case platform::TextAlignment::Justified:
        return Qt::AlignJustify;
    case platform::TextAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

// The model measures tab stops from the left margin, Qt from where each line starts: they
// are placed for the first line, which starts after both indents.
QList<QTextOption::Tab> qtTabs(const platform::ParagraphStyle& style) {
    std::vector<std::int32_t> positions = style.tabStops;
    std::sort(positions.begin(), positions.end());
    const std::int32_t lineStart = style.leftIndent + style.firstLineIndent;
    QList<QTextOption::Tab> tabs;
    for (const std::int32_t position : positions)
        if (position > lineStart)
            tabs.append(QTextOption::Tab(TextFormats::pixelsFromTwips(position - lineStart),
                                         QTextOption::LeftTab));
    return tabs;
}

// The image goes into the document's resources under a name of its own.
bool insertImage(QTextCursor& cursor, const platform::TextAttachment& attachment) {
    const auto& bytes = attachment.contents();
    const QImage image = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()),
                                          static_cast<int>(bytes.size()));
    if (image.isNull())
        return false;
    const QUrl name(QStringLiteral("attachment:%1").arg(reinterpret_cast<quintptr>(&attachment)));
    cursor.document()->addResource(QTextDocument::ImageResource, name, image);
    QTextImageFormat format;
    format.setName(name.toString());
    format.setWidth(image.width());
    format.setHeight(image.height());
    cursor.insertImage(format);
    return true;
}

// The characters straight from the text's storage, without a copy between.
QString charactersOf(const platform::AttributedString& text, platform::Range run) {
    const platform::GapBuffer::Pieces pieces = text.characters(run);
    QString characters(static_cast<qsizetype>(pieces.first.size() + pieces.second.size()),
                       Qt::Uninitialized);
    std::copy(pieces.second.begin(), pieces.second.end(),
              std::copy(pieces.first.begin(), pieces.first.end(), characters.data()));
    return characters;
}

void insertRun(QTextCursor& cursor, const platform::AttributedString& text, platform::Range run,
               const platform::TextAttributes& attributes, const QTextCharFormat& format) {
    if (attributes.attachment && run.length == 1 &&
        text.characterAt(run.location) == attachmentCharacter &&
        insertImage(cursor, *attributes.attachment))
        return;
    cursor.insertText(charactersOf(text, run), format);
}

template <typename Each>
void forEachRun(const platform::AttributedString& text, platform::Range range, Each each) {
    std::size_t at = range.location;
    const std::size_t end = std::min(range.end(), text.length());
    while (at < end) {
        platform::Range run;
        const auto& attributes = text.attributesAt(at, run);
        const std::size_t runEnd = std::min(run.end(), end);
        each(platform::Range{at, runEnd - at}, attributes);
        at = runEnd;
    }
}

} // namespace

QTextCharFormat TextFormats::charFormat(const platform::TextAttributes& attributes) {
    QTextCharFormat format;
    if (attributes.font) {
        format.setFontFamilies({toQString(attributes.font->family())});
        format.setFontPointSize(attributes.font->pointSize());
        format.setFontWeight(attributes.font->isBold() ? QFont::Bold : QFont::Normal);
        format.setFontItalic(attributes.font->isItalic());
    }
    format.setFontUnderline(attributes.underline);
    format.setFontStrikeOut(attributes.strikethrough);
    if (attributes.foregroundColor)
        format.setForeground(qtColor(*attributes.foregroundColor));
    if (attributes.backgroundColor)
        format.setBackground(qtColor(*attributes.backgroundColor));
    if (attributes.link) {
        format.setAnchor(true);
        format.setAnchorHref(toQString(*attributes.link));
    }
    return format;
}

QTextBlockFormat TextFormats::blockFormat(const platform::ParagraphStyle& style) {
    QTextBlockFormat format;
    format.setAlignment(qtAlignment(style.alignment));
    format.setLeftMargin(pixelsFromTwips(style.leftIndent));
    format.setRightMargin(pixelsFromTwips(style.rightIndent));
    format.setTextIndent(pixelsFromTwips(style.firstLineIndent));
    format.setTopMargin(pixelsFromTwips(style.spacingBefore));
    format.setBottomMargin(pixelsFromTwips(style.spacingAfter));
    if (!style.tabStops.empty())
        format.setTabPositions(qtTabs(style));
    return format;
}

double TextFormats::pixelsFromTwips(double twips) {
    return twips / twipsPerPoint;
}

std::int32_t TextFormats::twipsFromPixels(double pixels) {
    return static_cast<std::int32_t>(std::lround(pixels * twipsPerPoint));
}

// Runs share their attributes, so that a long text has few: each becomes a format once.
void TextFormats::insert(QTextCursor& cursor, const platform::AttributedString& text,
                         platform::Range range) {
    std::unordered_map<const platform::TextAttributes*, QTextCharFormat> formats;
    forEachRun(text, range, [&](platform::Range run, const platform::TextAttributes& attributes) {
        const auto [format, added] = formats.try_emplace(&attributes);
        if (added)
            format->second = charFormat(attributes);
        insertRun(cursor, text, run, attributes, format->second);
    });
}

void TextFormats::restyle(QTextCursor& cursor, const platform::AttributedString& text,
                          platform::Range range) {
    forEachRun(text, range, [&](platform::Range run, const platform::TextAttributes& attributes) {
        cursor.setPosition(static_cast<int>(run.location));
        cursor.setPosition(static_cast<int>(run.end()), QTextCursor::KeepAnchor);
        cursor.setCharFormat(charFormat(attributes));
    });
}

void TextFormats::formatBlocks(QTextCursor& cursor, const platform::AttributedString& text,
                               platform::Range range) {
    QTextDocument* document = cursor.document();
    QTextBlock block = document->findBlock(static_cast<int>(range.location));
    const QTextBlock last = document->findBlock(static_cast<int>(range.end()));
    while (block.isValid()) {
        const auto position = static_cast<std::size_t>(block.position());
        const auto& style = text.attributesAt(position).paragraphStyle;
        const QTextBlockFormat format = style ? blockFormat(*style) : QTextBlockFormat();
        // An unchanged paragraph keeps its layout.
        if (block.blockFormat() != format)
            QTextCursor(block).setBlockFormat(format);
        if (block == last)
            break;
        block = block.next();
    }
}

} // namespace gui

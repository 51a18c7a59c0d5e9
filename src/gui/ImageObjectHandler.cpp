#include "gui/ImageObjectHandler.h"

#include "gui/ParagraphLines.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <QUrl>

namespace gui {
namespace {

QImage imageOf(QTextDocument* document, const QTextImageFormat& format) {
    const QVariant resource = document->resource(QTextDocument::ImageResource, QUrl(format.name()));
    return resource.value<QImage>();
}

} // namespace

QSizeF ImageObjectHandler::intrinsicSize(QTextDocument* document, int, const QTextFormat& format) {
    const QTextImageFormat image = format.toImageFormat();
    QSizeF size(image.width(), image.height());
    if (!image.hasProperty(QTextFormat::ImageWidth) ||
        !image.hasProperty(QTextFormat::ImageHeight)) {
        const QSizeF natural = imageOf(document, image).size();
        if (!image.hasProperty(QTextFormat::ImageWidth))
            size.setWidth(natural.width());
        if (!image.hasProperty(QTextFormat::ImageHeight))
            size.setHeight(natural.height());
    }
    return size * ParagraphLines::deviceScale(document->documentLayout()->paintDevice());
}

void ImageObjectHandler::drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document,
                                    int, const QTextFormat& format) {
    const QImage image = imageOf(document, format.toImageFormat());
    if (!image.isNull())
        painter->drawImage(rect, image);
}

} // namespace gui

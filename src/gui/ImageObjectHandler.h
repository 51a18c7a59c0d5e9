#pragma once

#include <QObject>
#include <QTextObjectInterface>

namespace gui {

// Sizes and draws the inline images of a document (QTextImageFormat), as Qt's own layout
// does for its documents: the image is the document's image resource of the format's
// name, at the format's width and height where it gives them.
class ImageObjectHandler : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    explicit ImageObjectHandler(QObject* parent) : QObject(parent) {}

    [[nodiscard]] QSizeF intrinsicSize(QTextDocument* document, int position,
                                       const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
                    const QTextFormat& format) override;
};

} // namespace gui

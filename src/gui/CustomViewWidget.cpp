#include "gui/CustomViewWidget.h"

#include "gui/ScreenMapping.h"
#include "platform/ui/CustomView.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace gui {
namespace {

QRectF flipped(const platform::Rect& rect, double height) {
    return QRectF(rect.minX(), height - rect.maxY(), rect.width(), rect.height());
}

QColor qtColor(const platform::Color& color) {
    return QColor(color.red, color.green, color.blue);
}

} // namespace

CustomViewWidget::CustomViewWidget(std::shared_ptr<platform::CustomView> view, QWidget* parent)
    : QWidget(parent), view_(std::move(view)) {}

QSize CustomViewWidget::sizeHint() const {
    const platform::Rect frame = view_->frame();
    return QSize(static_cast<int>(std::lround(frame.width())),
                 static_cast<int>(std::lround(frame.height())));
}

void CustomViewWidget::paintEvent(QPaintEvent* event) {
    const double height = this->height();
    const platform::DrawingContext drawing =
        view_->displayRect(ScreenMapping::childToModel(event->rect(), this->height()));
    QPainter painter(this);
    for (const auto& operation : drawing.operations()) {
        const QRectF rect = flipped(operation.rect, height);
        if (operation.kind == platform::DrawingOperation::Kind::Fill) {
            painter.fillRect(rect, qtColor(operation.color));
            continue;
        }
        QPen pen(qtColor(operation.color));
        pen.setWidthF(operation.lineWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect);
    }
}

} // namespace gui

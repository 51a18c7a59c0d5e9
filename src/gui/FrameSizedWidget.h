#pragma once

#include <QWidget>

namespace gui {

// A widget with no layout of its own that asks a parent's layout for the size of its
// view's frame.
class FrameSizedWidget : public QWidget {
public:
    using QWidget::QWidget;

    void setPreferredSize(const QSize& size);
    [[nodiscard]] QSize sizeHint() const override { return preferredSize_; }

private:
    QSize preferredSize_;
};

} // namespace gui

#pragma once

#include <QWidget>
#include <memory>

namespace platform {
class CustomView;
}

namespace gui {

// Paints what a custom view draws: the fills and strokes of its drawing, flipped from the
// view's y-up coordinates.
class CustomViewWidget : public QWidget {
public:
    CustomViewWidget(std::shared_ptr<platform::CustomView> view, QWidget* parent);

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::shared_ptr<platform::CustomView> view_;
};

} // namespace gui

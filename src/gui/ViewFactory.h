#pragma once

#include <memory>

class QWidget;

namespace platform {
class View;
}

namespace gui {

// Makes the widget that renders a view of the model, with the binding that keeps it in
// step, as a child of `parent`: fields, buttons, pop-up buttons, tab views, progress
// indicators, scroll views, custom-drawn views, and plain views with their subviews.
class ViewFactory {
public:
    [[nodiscard]] static QWidget* widgetFor(const std::shared_ptr<platform::View>& view,
                                            QWidget* parent);
};

} // namespace gui

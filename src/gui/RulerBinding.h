#pragma once

#include "gui/RulerDrag.h"
#include "platform/base/Observation.h"

#include <QObject>
#include <memory>
#include <vector>

namespace platform {
class PropertyBase;
class TextView;
} // namespace platform

namespace gui {

class RulerWidget;
class TextEditWidget;

// Shows a ruler above a text view's widget while the view's ruler is visible and used,
// with the style of the paragraph that holds the selection, and hands the ruler's edits to
// the view's user entry points. Dragging the left indent marker keeps the first line's
// indent from it, so the first line moves with it, as RTF measures it. It is a child of the
// widget and ends with it.
class RulerBinding : public QObject {
public:
    RulerBinding(std::shared_ptr<platform::TextView> view, TextEditWidget* widget);

private:
    void observe(const platform::PropertyBase& property, void (RulerBinding::*changed)());
    void showVisibility();
    void showStyle();
    void showEnabled();
    void indentEdited(RulerDrag::Part part, std::int32_t indent);
    void tabStopsEdited(const std::vector<std::int32_t>& positions);

    std::shared_ptr<platform::TextView> view_;
    TextEditWidget* widget_;
    RulerWidget* ruler_;
    std::vector<platform::Observation> observations_;
};

} // namespace gui

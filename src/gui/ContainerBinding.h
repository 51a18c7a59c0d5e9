#pragma once

#include "gui/ViewBinding.h"

class QBoxLayout;

namespace gui {

class FrameSizedWidget;

// A plain view: its subviews, placed at their frames or one after another in a row or a
// column as its layout hints say, and made again when the subviews change.
class ContainerBinding : public ViewBinding {
public:
    ContainerBinding(std::shared_ptr<platform::View> view, FrameSizedWidget* widget);

private:
    void makeChildren();
    void placeChildren();
    void showPreferredSize();

    FrameSizedWidget* container_;
    QBoxLayout* layout_ = nullptr;
    std::vector<QPointer<QWidget>> children_;
    std::vector<platform::Observation> childFrames_;
};

} // namespace gui

#pragma once

#include "gui/ViewBinding.h"

class QScrollArea;

namespace platform {
class ScrollView;
}

namespace gui {

// A scroll view as a scroll area around its document view's widget.
class ScrollViewBinding : public ViewBinding {
public:
    ScrollViewBinding(std::shared_ptr<platform::ScrollView> scrollView, QScrollArea* widget);

private:
    void showDocumentView();

    std::shared_ptr<platform::ScrollView> scrollView_;
    QScrollArea* scrollArea_;
};

} // namespace gui

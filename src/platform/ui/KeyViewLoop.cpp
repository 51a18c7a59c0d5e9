#include "platform/ui/KeyViewLoop.h"

#include "platform/ui/View.h"

namespace platform {

std::shared_ptr<View> KeyViewLoop::firstKeyView(const std::shared_ptr<View>& root) {
    if (!root || root->isHidden())
        return nullptr;
    if (root->acceptsFirstResponder())
        return root;
    for (const auto& subview : root->subviews())
        if (auto found = firstKeyView(subview))
            return found;
    return nullptr;
}

bool KeyViewLoop::isHiddenInTree(const View& view) {
    for (auto current = view.superview(); current; current = current->superview())
        if (current->isHidden())
            return true;
    return view.isHidden();
}

} // namespace platform

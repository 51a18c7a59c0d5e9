#pragma once

#include "platform/ui/View.h"
#include "platform/ui/Window.h"

#include <memory>
#include <vector>

namespace testsupport {

// Views of a type in a view tree, depth first.
template <typename V>
void collectViews(const std::shared_ptr<platform::View>& view,
                  std::vector<std::shared_ptr<V>>& found) {
    if (!view)
        return;
    if (auto typed = std::dynamic_pointer_cast<V>(view))
        found.push_back(typed);
    for (const auto& subview : view->subviews())
        collectViews(subview, found);
}

template <typename V> std::vector<std::shared_ptr<V>> viewsOf(const platform::Window& window) {
    std::vector<std::shared_ptr<V>> found;
    collectViews(window.contentView(), found);
    return found;
}

} // namespace testsupport

#pragma once

#include <memory>

namespace platform {

class View;

// The views of a window's tree in the order the keyboard focus visits them: the tree's
// order, depth first.
class KeyViewLoop {
public:
    // The first shown view of the tree that accepts the focus; none without one.
    [[nodiscard]] static std::shared_ptr<View> firstKeyView(const std::shared_ptr<View>& root);
    // Whether the view or one of its superviews is hidden.
    [[nodiscard]] static bool isHiddenInTree(const View& view);
};

} // namespace platform

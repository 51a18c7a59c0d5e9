#pragma once

#include "platform/base/UndoManager.h"
#include "platform/text/AttributedString.h"
#include "platform/text/Range.h"

#include <functional>
#include <memory>

namespace platform {

// The undo history of a text's user edits. Each edit is one step, except that typing on
// at the end of what was just typed, and deleting backward on from where the last
// deletion stopped, grow the last step, as the platform's text views do.
class TextUndo {
public:
    enum class Edit { Typing, DeletingBackward, Other };

    // What to put back: the characters now at `range` were `replaced`.
    struct Step {
        Range range;
        AttributedString replaced;
        Edit kind = Edit::Other;
    };
    using Revert = std::function<void(const Step& step)>;

    // `revert` performs a step's undo (or redo) and records its inverse.
    explicit TextUndo(Revert revert) : revert_(std::move(revert)) {}

    [[nodiscard]] UndoManager& manager() { return manager_; }
    [[nodiscard]] const UndoManager& manager() const { return manager_; }

    // After an edit replaced `range` (as it was) by `insertedLength` characters.
    void record(Range range, AttributedString replaced, std::size_t insertedLength, Edit kind);
    // The next edit starts a step of its own (the user moved the selection).
    void breakCoalescing() { last_.reset(); }
    void clear();

private:
    [[nodiscard]] bool coalesce(Range range, AttributedString& replaced, std::size_t insertedLength,
                                Edit kind);

    UndoManager manager_;
    Revert revert_;
    std::shared_ptr<Step> last_;
    std::uint64_t lastStamp_ = 0;
};

} // namespace platform

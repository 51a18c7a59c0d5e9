#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace platform {

// A history of undoable changes: each change registers the action that undoes it. An
// action registered while undoing goes to the redo history and one registered while
// redoing to the undo history, so that an undo action that registers its own inverse
// makes the change redoable. Any other registration forgets what could be redone.
//
// Each registration is one step; an owner that coalesces (typing) keeps one step and
// grows what its action undoes, and asks changeStamp whether its step is still the last.
class UndoManager {
public:
    using Action = std::function<void()>;

    void registerUndo(Action action);

    [[nodiscard]] bool canUndo() const { return !undoStack_.empty(); }
    [[nodiscard]] bool canRedo() const { return !redoStack_.empty(); }
    [[nodiscard]] bool isUndoing() const { return state_ == State::Undoing; }
    [[nodiscard]] bool isRedoing() const { return state_ == State::Redoing; }

    // Nothing happens without a step to undo or redo, or while one runs.
    void undo();
    void redo();
    void removeAllActions();

    // Changes with every registration, undo, redo and removal.
    [[nodiscard]] std::uint64_t changeStamp() const { return stamp_; }

private:
    enum class State { Idle, Undoing, Redoing };

    void run(std::vector<Action>& from, State state);

    std::vector<Action> undoStack_;
    std::vector<Action> redoStack_;
    State state_ = State::Idle;
    std::uint64_t stamp_ = 0;
};

} // namespace platform

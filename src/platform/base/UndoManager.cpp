#include "platform/base/UndoManager.h"

#include <utility>

namespace platform {

void UndoManager::registerUndo(Action action) {
    ++stamp_;
    switch (state_) {
    case State::Undoing:
        redoStack_.push_back(std::move(action));
        return;
    case State::Redoing:
        undoStack_.push_back(std::move(action));
        return;
    case State::Idle:
        undoStack_.push_back(std::move(action));
        redoStack_.clear();
        return;
    }
}

void UndoManager::undo() {
    run(undoStack_, State::Undoing);
}

void UndoManager::redo() {
    run(redoStack_, State::Redoing);
}

void UndoManager::run(std::vector<Action>& from, State state) {
    if (from.empty() || state_ != State::Idle)
        return;
    Action action = std::move(from.back());
    from.pop_back();
    ++stamp_;
    state_ = state;
    action();
    state_ = State::Idle;
}

void UndoManager::removeAllActions() {
    ++stamp_;
    undoStack_.clear();
    redoStack_.clear();
}

} // namespace platform

#pragma once

namespace platform {

// What Document::updateChangeCount is told: a change done, a change undone, or the
// document made unchanged (saved, reverted, or declared so by the program).
enum DocumentChangeType { ChangeDone = 0, ChangeUndone = 1, ChangeCleared = 2 };

} // namespace platform

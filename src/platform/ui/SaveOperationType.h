#pragma once

namespace platform {

// Why a document is written: the Save command, Save As (the file becomes the new one),
// or an autosave in place (to the document's own file, on the document's schedule).
enum class SaveOperationType { Save, SaveAs, AutosaveInPlace };

} // namespace platform

#pragma once

#include "document/DocumentFormatVersion.h"
#include "platform/base/Data.h"
#include "platform/base/String.h"
#include "platform/base/Value.h"
#include "platform/ui/Rect.h"

#include <optional>

// The document's file: a keyed archive of one dictionary, whose keys depend on its format
// version ("appversion"). Writes the current version; reads every version up to it,
// taking only the keys that the file's version stores. Keeps the file as read, so that a
// document that holds no key for its fields can write it back as it was.
class DocumentFileFormat {
public:
    // The ciphertexts of the creation date and the address, the cipher's salt and IV, and
    // the password check.
    struct CipherFields {
        std::optional<platform::Data> crDate;
        std::optional<platform::Data> crMAC;
        std::optional<platform::Data> salt;
        std::optional<platform::Data> IV;
        std::optional<platform::Data> rc;
        std::optional<platform::Data> sha1Rc;
    };

    // What a save writes; a key whose value is none is left out.
    struct Contents {
        std::optional<platform::String> publicTextData;
        std::optional<platform::Number> isEditable;
        std::optional<platform::Data> textData;
        CipherFields cipher;
        // None writes no frame keys.
        std::optional<platform::Rect> frame;
        bool toolbarVisible = false;
    };

    // What a file holds. A field of a version that does not store it is none; a key that
    // is absent, or a value of another kind, is taken as none (the frame's as 0).
    struct Read {
        DocumentFormatVersion version{0};
        std::optional<platform::String> publicTextData;
        std::optional<platform::Data> textData;
        std::optional<std::optional<platform::Number>> isEditable;
        std::optional<CipherFields> cipher;
        // In whole points: 120.9 is read as 120 and -35.5 as -35.
        std::optional<platform::Rect> frame;
        std::optional<bool> toolbarVisible;
    };

    [[nodiscard]] static std::optional<platform::Data>
    write(const Contents& contents, std::optional<platform::String>& error);

    // None when the data is no keyed archive of a dictionary. A file of a version newer
    // than the current one gives its version alone and is not kept.
    [[nodiscard]] std::optional<Read> read(const platform::Data& data);

    // The file as last read, until it is forgotten: once the fields are encrypted anew.
    [[nodiscard]] bool holdsFileAsRead() const { return !fileAsRead_.isNone(); }
    [[nodiscard]] std::optional<platform::Data>
    writeFileAsRead(std::optional<platform::String>& error) const;
    void forgetFileAsRead() { fileAsRead_ = platform::Value(); }

private:
    platform::Value fileAsRead_;
};

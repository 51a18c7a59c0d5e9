#pragma once

#include "platform/base/String.h"
#include "platform/text/RTFDFolder.h"
#include "platform/text/TextAttachment.h"

#include <map>
#include <memory>

namespace platform {

// Gives the attachments of a text their file names in an RTFD package and collects their
// files: an attachment's own name where it is a valid, unused one; "name 2.ext" and on
// where another file already has it.
class RTFDAttachmentNamer {
public:
    explicit RTFDAttachmentNamer(RTFDFolder::Files& files) : files_(files) {}

    [[nodiscard]] String nameFor(const std::shared_ptr<const TextAttachment>& attachment);

private:
    [[nodiscard]] static String validName(const String& name);
    [[nodiscard]] String unusedName(const String& name, const Data& contents) const;

    RTFDFolder::Files& files_;
    std::map<const TextAttachment*, String> named_;
};

} // namespace platform

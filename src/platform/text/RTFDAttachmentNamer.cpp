#include "platform/text/RTFDAttachmentNamer.h"

#include "platform/text/RTFDPackage.h"

#include <string>

namespace platform {
namespace {

String withNumber(const String& name, std::size_t number) {
    const std::size_t dot = name.rfind(u'.');
    const bool hasExtension = dot != String::npos && dot > 0;
    const String stem = hasExtension ? name.substr(0, dot) : name;
    const String extension = hasExtension ? name.substr(dot) : String();
    const std::string digits = std::to_string(number);
    return stem + u" " + String(digits.begin(), digits.end()) + extension;
}

} // namespace

String RTFDAttachmentNamer::nameFor(const std::shared_ptr<const TextAttachment>& attachment) {
    const auto found = named_.find(attachment.get());
    if (found != named_.end())
        return found->second;
    String name = unusedName(validName(attachment->fileName()), attachment->contents());
    files_.emplace(name, attachment->contents());
    named_.emplace(attachment.get(), name);
    return name;
}

// RTF ends a \NeXTGraphic name at trailing spaces, and the file must have a UTF-8 name.
String RTFDAttachmentNamer::validName(const String& name) {
    String valid = fromUtf8(toUtf8Lossy(name)).value_or(String());
    for (char16_t& unit : valid)
        if (unit == u'/' || unit == u'\0')
            unit = u'_';
    while (!valid.empty() && (valid.back() == u' ' || valid.back() == u'\t'))
        valid.pop_back();
    return RTFDFolder::isFileName(valid) ? valid : String(u"Attachment");
}

String RTFDAttachmentNamer::unusedName(const String& name, const Data& contents) const {
    String candidate = name;
    for (std::size_t number = 2;; ++number) {
        const auto existing = files_.find(candidate);
        const bool isText = candidate == RTFDPackage::textFileName;
        if (!isText && (existing == files_.end() || existing->second == contents))
            return candidate;
        candidate = withNumber(name, number);
    }
}

} // namespace platform

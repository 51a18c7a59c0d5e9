#include "platform/text/RTFDPackage.h"

#include "platform/text/RTFDAttachmentNamer.h"
#include "platform/text/RTFReader.h"
#include "platform/text/RTFWriter.h"
#include "platform/text/SerializedFileWrapper.h"

namespace platform {
RTFDPackage RTFDPackage::fromAttributedString(const AttributedString& text) {
    return fromAttributedString(text, {0, text.length()});
}

RTFDPackage RTFDPackage::fromAttributedString(const AttributedString& text, Range range) {
    Files files;
    RTFDAttachmentNamer namer(files);
    const RTFWriter::AttachmentNamer nameFor =
        [&namer](const std::shared_ptr<const TextAttachment>& attachment) {
            return namer.nameFor(attachment);
        };
    Data rtf = RTFWriter::write(text, range, nameFor);
    files.insert_or_assign(String(textFileName), std::move(rtf));
    return RTFDPackage(std::move(files));
}

std::optional<AttributedString> RTFDPackage::attributedString() const {
    const auto text = files_.find(String(textFileName));
    if (text == files_.end())
        return std::nullopt;
    const RTFReader::AttachmentResolver resolve =
        [this](const String& fileName) -> std::optional<Data> {
        if (fileName == textFileName)
            return std::nullopt;
        const auto file = files_.find(fileName);
        if (file == files_.end())
            return std::nullopt;
        return file->second;
    };
    return RTFReader::read(bytesOf(text->second), resolve);
}

Result<RTFDPackage> RTFDPackage::readFromFolder(const std::filesystem::path& folder,
                                                std::size_t limit) {
    auto files = RTFDFolder::read(folder, limit);
    if (!files)
        return failure(std::move(files.error()));
    const String name = FileReader::quotedName(folder);
    const auto text = files->find(String(textFileName));
    if (text == files->end())
        return failure(String(u"The RTFD package ") + name + u" has no TXT.rtf.");
    if (!RTFReader::startsAsRTF(bytesOf(text->second)))
        return failure(String(u"\u201CTXT.rtf\u201D in ") + name + u" is not RTF.");
    return RTFDPackage(std::move(*files));
}

Result<> RTFDPackage::writeToFolder(const std::filesystem::path& folder) const {
    return RTFDFolder::write(files_, folder);
}

Data RTFDPackage::serializedData() const {
    return SerializedFileWrapper::serialize(files_);
}

std::optional<RTFDPackage> RTFDPackage::fromSerializedData(std::string_view data) {
    auto files = SerializedFileWrapper::deserialize(data);
    if (!files)
        return std::nullopt;
    std::erase_if(*files, [](const auto& file) { return !RTFDFolder::isFileName(file.first); });
    return RTFDPackage(std::move(*files));
}

} // namespace platform

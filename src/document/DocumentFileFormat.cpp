#include "document/DocumentFileFormat.h"

#include "platform/base/KeyedArchiver.h"
#include "platform/base/KeyedUnarchiver.h"

using platform::Data;
using platform::Dictionary;
using platform::Number;
using platform::Rect;
using platform::String;
using platform::Value;

namespace {

Value valueFor(const Dictionary& dictionary, const char16_t* key) {
    const auto found = dictionary.find(key);
    return found == dictionary.end() ? Value() : found->second;
}

// None for an absent key and for a value of another kind.
std::optional<Data> dataFor(const Dictionary& dictionary, const char16_t* key) {
    return valueFor(dictionary, key).dataValue();
}

std::optional<Number> numberFor(const Dictionary& dictionary, const char16_t* key) {
    const Value value = valueFor(dictionary, key);
    return value.number() ? std::optional<Number>(*value.number()) : std::nullopt;
}

void putIfPresent(Dictionary& dictionary, const char16_t* key, const Value& value) {
    if (!value.isNone())
        dictionary.emplace(key, value);
}

void putWindowKeys(Dictionary& dictionary, const DocumentFileFormat::Contents& contents) {
    if (const auto& frame = contents.frame) {
        dictionary.emplace(u"windowRecHeight", Value(Number::float64(frame->height())));
        dictionary.emplace(u"windowRecWidth", Value(Number::float64(frame->width())));
        dictionary.emplace(u"windowRecX", Value(Number::float64(frame->minX())));
        dictionary.emplace(u"windowRecY", Value(Number::float64(frame->minY())));
    }
    dictionary.emplace(u"makeToolbarVisibleAtDecrypt",
                       Value(Number::boolean(contents.toolbarVisible)));
}

Dictionary dictionaryOf(const DocumentFileFormat::Contents& contents) {
    Dictionary dictionary;
    dictionary.emplace(u"appversion", Value(Number::uint64(DocumentFormatVersion::current)));
    putIfPresent(dictionary, u"publicTextData", Value(contents.publicTextData));
    putIfPresent(dictionary, u"isEditable", Value(contents.isEditable));
    putIfPresent(dictionary, u"textData", Value(contents.textData));
    putIfPresent(dictionary, u"crDate", Value(contents.cipher.crDate));
    putIfPresent(dictionary, u"crMAC", Value(contents.cipher.crMAC));
    putIfPresent(dictionary, u"salt", Value(contents.cipher.salt));
    putIfPresent(dictionary, u"IV", Value(contents.cipher.IV));
    putIfPresent(dictionary, u"rc", Value(contents.cipher.rc));
    putIfPresent(dictionary, u"sha1-rc", Value(contents.cipher.sha1Rc));
    putWindowKeys(dictionary, contents);
    return dictionary;
}

std::optional<Data> archived(const Value& root, std::optional<String>& error) {
    auto data = platform::KeyedArchiver::archive(root);
    if (!data) {
        error = u"The document could not be archived: " + data.error().message;
        return std::nullopt;
    }
    return *std::move(data);
}

Rect frameOf(const Dictionary& dictionary) {
    const auto whole = [&dictionary](const char16_t* key) {
        return static_cast<double>(valueFor(dictionary, key).intValue());
    };
    return Rect(whole(u"windowRecX"), whole(u"windowRecY"), whole(u"windowRecWidth"),
                whole(u"windowRecHeight"));
}

void takeFields(const Dictionary& dictionary, DocumentFileFormat::Read& file) {
    const DocumentFormatVersion version = file.version;
    if (version.storesEditableFlag())
        file.isEditable.emplace(numberFor(dictionary, u"isEditable"));
    file.publicTextData = valueFor(dictionary, u"publicTextData").stringValue();
    file.textData = dataFor(dictionary, u"textData");
    if (version.storesCipherFields())
        file.cipher = DocumentFileFormat::CipherFields{
            dataFor(dictionary, u"crDate"), dataFor(dictionary, u"crMAC"),
            dataFor(dictionary, u"salt"),   dataFor(dictionary, u"IV"),
            dataFor(dictionary, u"rc"),     dataFor(dictionary, u"sha1-rc")};
    if (version.storesFrame())
        file.frame = frameOf(dictionary);
    if (version.storesToolbarFlag())
        file.toolbarVisible = valueFor(dictionary, u"makeToolbarVisibleAtDecrypt").boolValue();
}

} // namespace

std::optional<Data> DocumentFileFormat::write(const Contents& contents,
                                              std::optional<String>& error) {
    return archived(Value(dictionaryOf(contents)), error);
}

std::optional<DocumentFileFormat::Read> DocumentFileFormat::read(const Data& data) {
    const Value root = platform::KeyedUnarchiver::unarchiveObjectWithData(data);
    const Dictionary* dictionary = root.dictionary();
    if (!dictionary)
        return std::nullopt;
    Read file;
    file.version =
        DocumentFormatVersion(valueFor(*dictionary, u"appversion").unsignedLongLongValue());
    if (file.version.isNewerThanCurrent())
        return file;
    takeFields(*dictionary, file);
    fileAsRead_ = root;
    return file;
}

std::optional<Data> DocumentFileFormat::writeFileAsRead(std::optional<String>& error) const {
    return archived(fileAsRead_, error);
}

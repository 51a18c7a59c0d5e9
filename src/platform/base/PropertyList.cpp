#include "platform/base/PropertyList.h"

#include "platform/base/PropertyListDecoder.h"
#include "platform/base/PropertyListEncoder.h"
#include "platform/base/PropertyListLimits.h"
#include "platform/base/PropertyListNode.h"

namespace platform {
namespace {

Result<Dictionary> rootDictionary(const Data& bytes) {
    auto value = PropertyList::read(bytes);
    if (!value)
        return failure(std::move(value.error()));
    if (const auto* dictionary = value->dictionary())
        return *dictionary;
    return failure(u"the root of the property list is no dictionary");
}

} // namespace

Result<Value> PropertyList::read(const Data& bytes) {
    return PropertyListNode::parse(bytes).and_then(
        [](const PropertyListNode& root) { return PropertyListDecoder::value(root.get()); });
}

Result<Data> PropertyList::write(const Value& value, PropertyListFormat format) {
    return PropertyListEncoder(format).encode(value).and_then(
        [format](const PropertyListNode& root) { return root.serialize(format); });
}

Result<Dictionary> dictionaryWithContentsOfFile(const String& path) {
    const auto url = URL::fileURLWithPath(path);
    if (!url)
        return failure(u"no file path");
    URLLoader::Options options;
    options.maximumLength = PropertyListLimits::maximumBytes;
    return dictionaryWithContentsOfURL(*url, URLLoader(options));
}

Result<Dictionary> dictionaryWithContentsOfURL(const URL& url, const URLLoader& loader) {
    return loader.load(url).and_then(rootDictionary);
}

std::optional<Dictionary> dictionaryWithContentsOfURL(const URL& url) {
    auto dictionary = dictionaryWithContentsOfURL(url, URLLoader());
    if (!dictionary)
        return std::nullopt;
    return *std::move(dictionary);
}

} // namespace platform

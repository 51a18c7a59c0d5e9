#include "platform/base/PropertyList.h"

#include "platform/base/PropertyListDecoder.h"
#include "platform/base/PropertyListEncoder.h"
#include "platform/base/PropertyListLimits.h"
#include "platform/base/PropertyListNode.h"

namespace platform {
namespace {

template <typename T> std::optional<T> failure(std::string* reason, std::string why) {
    if (reason)
        *reason = std::move(why);
    return std::nullopt;
}

std::optional<Dictionary> rootDictionary(const Data& bytes, std::string* reason) {
    auto value = PropertyList::read(bytes, reason);
    if (!value)
        return std::nullopt;
    if (const auto* dictionary = value->dictionary())
        return *dictionary;
    return failure<Dictionary>(reason, "the root of the property list is no dictionary");
}

} // namespace

std::optional<Value> PropertyList::read(const Data& bytes, std::string* reason) {
    std::string why;
    auto root = PropertyListNode::parse(bytes, why);
    auto value = root ? PropertyListDecoder::value(root->get(), why) : std::nullopt;
    if (!value)
        return failure<Value>(reason, std::move(why));
    return value;
}

std::optional<Data> PropertyList::write(const Value& value, PropertyListFormat format,
                                        std::string* reason) {
    std::string why;
    auto root = PropertyListEncoder(format).encode(value, why);
    auto bytes = root ? root->serialize(format, why) : std::nullopt;
    if (!bytes)
        return failure<Data>(reason, std::move(why));
    return bytes;
}

std::optional<Dictionary> dictionaryWithContentsOfFile(const String& path, std::string* reason) {
    const auto url = URL::fileURLWithPath(path);
    if (!url)
        return failure<Dictionary>(reason, "no file path");
    URLLoader::Options options;
    options.maximumLength = PropertyListLimits::maximumBytes;
    return dictionaryWithContentsOfURL(*url, URLLoader(options), reason);
}

std::optional<Dictionary> dictionaryWithContentsOfURL(const URL& url, const URLLoader& loader,
                                                      std::string* reason) {
    auto loaded = loader.load(url);
    if (!loaded.data)
        return failure<Dictionary>(reason, std::move(loaded.reason));
    return rootDictionary(*loaded.data, reason);
}

std::optional<Dictionary> dictionaryWithContentsOfURL(const URL& url) {
    return dictionaryWithContentsOfURL(url, URLLoader(), nullptr);
}

} // namespace platform

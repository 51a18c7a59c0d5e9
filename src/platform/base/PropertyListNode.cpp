#include "platform/base/PropertyListNode.h"

#include "platform/base/PropertyListBinaryCheck.h"
#include "platform/base/PropertyListLimits.h"
#include "platform/base/PropertyListXmlCheck.h"

#include <cstring>
#include <utility>

namespace platform {
namespace {

constexpr std::string_view binaryMagic = "bplist00";

bool isBinary(const Data& bytes) {
    return bytes.size() >= binaryMagic.size() &&
           std::memcmp(bytes.data(), binaryMagic.data(), binaryMagic.size()) == 0;
}

Result<> checkReadable(const Data& bytes, bool binary) {
    if (bytes.empty())
        return failure(u"no bytes");
    if (bytes.size() > PropertyListLimits::maximumBytes)
        return failure(Error::fromUtf8(
            "larger than " + std::to_string(PropertyListLimits::maximumBytes) + " bytes"));
    return binary ? PropertyListBinaryCheck::check(bytes) : PropertyListXmlCheck::check(bytes);
}

} // namespace

PropertyListNode& PropertyListNode::operator=(PropertyListNode&& other) noexcept {
    plist_t taken = other.release();
    if (node_)
        plist_free(node_);
    node_ = taken;
    return *this;
}

PropertyListNode::~PropertyListNode() {
    if (node_)
        plist_free(node_);
}

plist_t PropertyListNode::release() {
    return std::exchange(node_, nullptr);
}

Result<PropertyListNode> PropertyListNode::parse(const Data& bytes) {
    const bool binary = isBinary(bytes);
    if (auto readable = checkReadable(bytes, binary); !readable)
        return failure(std::move(readable.error()));
    const auto* text = reinterpret_cast<const char*>(bytes.data());
    const auto length = static_cast<std::uint32_t>(bytes.size());
    plist_t root = nullptr;
    if (binary)
        plist_from_bin(text, length, &root);
    else
        plist_from_xml(text, length, &root);
    if (!root)
        return failure(binary ? u"libplist refused the binary property list"
                              : u"no XML property list");
    return PropertyListNode(root);
}

Result<Data> PropertyListNode::serialize(PropertyListFormat format) const {
    char* out = nullptr; // libplist writes only into a null pointer
    std::uint32_t length = 0;
    const bool binary = format == PropertyListFormat::Binary;
    if (binary)
        plist_to_bin(node_, &out, &length);
    else
        plist_to_xml(node_, &out, &length);
    if (!out)
        return failure(u"libplist could not write the property list");
    Data bytes(out, out + length);
    if (binary)
        plist_to_bin_free(out);
    else
        plist_to_xml_free(out);
    if (auto readable = checkReadable(bytes, binary); !readable)
        return failure(u"the property list would not read back: " + readable.error().message);
    return bytes;
}

void PropertyListNode::set(std::string_view key, PropertyListNode child) {
    plist_dict_set_item(node_, std::string(key).c_str(), child.release());
}

void PropertyListNode::append(PropertyListNode child) {
    plist_array_append_item(node_, child.release());
}

} // namespace platform

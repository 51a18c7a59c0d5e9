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

bool isReadable(const Data& bytes, bool binary, std::string& reason) {
    if (bytes.empty()) {
        reason = "no bytes";
        return false;
    }
    if (bytes.size() > PropertyListLimits::maximumBytes) {
        reason = "larger than " + std::to_string(PropertyListLimits::maximumBytes) + " bytes";
        return false;
    }
    return binary ? PropertyListBinaryCheck::check(bytes, reason)
                  : PropertyListXmlCheck::check(bytes, reason);
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

std::optional<PropertyListNode> PropertyListNode::parse(const Data& bytes, std::string& reason) {
    const bool binary = isBinary(bytes);
    if (!isReadable(bytes, binary, reason))
        return std::nullopt;
    const auto* text = reinterpret_cast<const char*>(bytes.data());
    const auto length = static_cast<std::uint32_t>(bytes.size());
    plist_t root = nullptr;
    if (binary)
        plist_from_bin(text, length, &root);
    else
        plist_from_xml(text, length, &root);
    if (!root) {
        reason = binary ? "libplist refused the binary property list" : "no XML property list";
        return std::nullopt;
    }
    return PropertyListNode(root);
}

std::optional<Data> PropertyListNode::serialize(PropertyListFormat format,
                                                std::string& reason) const {
    char* out = nullptr; // libplist writes only into a null pointer
    std::uint32_t length = 0;
    const bool binary = format == PropertyListFormat::Binary;
    if (binary)
        plist_to_bin(node_, &out, &length);
    else
        plist_to_xml(node_, &out, &length);
    if (!out) {
        reason = "libplist could not write the property list";
        return std::nullopt;
    }
    Data bytes(out, out + length);
    if (binary)
        plist_to_bin_free(out);
    else
        plist_to_xml_free(out);
    if (!isReadable(bytes, binary, reason)) {
        reason = "the property list would not read back: " + reason;
        return std::nullopt;
    }
    return bytes;
}

void PropertyListNode::set(std::string_view key, PropertyListNode child) {
    plist_dict_set_item(node_, std::string(key).c_str(), child.release());
}

void PropertyListNode::append(PropertyListNode child) {
    plist_array_append_item(node_, child.release());
}

} // namespace platform

#pragma once

#include "platform/base/Data.h"
#include "platform/base/PropertyListFormat.h"
#include "platform/base/Result.h"

#include <cstdint>
#include <plist/plist.h>
#include <string_view>

namespace platform {

// Owns one libplist tree (or a subtree not yet attached to a parent). The parser checks its
// input before libplist sees it; the writer checks its output the same way, so that what
// we write we can read.
class PropertyListNode {
public:
    PropertyListNode() = default;
    explicit PropertyListNode(plist_t node) : node_(node) {}
    PropertyListNode(PropertyListNode&& other) noexcept : node_(other.release()) {}
    PropertyListNode& operator=(PropertyListNode&& other) noexcept;
    PropertyListNode(const PropertyListNode&) = delete;
    PropertyListNode& operator=(const PropertyListNode&) = delete;
    ~PropertyListNode();

    [[nodiscard]] static Result<PropertyListNode> parse(const Data& bytes);
    [[nodiscard]] Result<Data> serialize(PropertyListFormat format) const;

    plist_t get() const { return node_; }
    // Hands the tree over, for attaching it to a parent that then owns it.
    [[nodiscard]] plist_t release();
    explicit operator bool() const { return node_ != nullptr; }

    // Members by key for dictionaries; children are owned by the parent.
    void set(std::string_view key, PropertyListNode child);
    void append(PropertyListNode child);

private:
    plist_t node_ = nullptr;
};

} // namespace platform

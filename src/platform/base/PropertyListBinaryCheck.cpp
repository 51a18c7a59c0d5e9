#include "platform/base/PropertyListBinaryCheck.h"

#include "platform/base/PropertyListLimits.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace platform {
namespace {

constexpr std::uint64_t headerSize = 8;
constexpr std::uint64_t trailerSize = 32;

enum Type : std::uint8_t {
    Simple = 0x0,
    Integer = 0x1,
    Real = 0x2,
    DateType = 0x3,
    DataType = 0x4,
    AsciiString = 0x5,
    Utf16String = 0x6,
    Uid = 0x8,
    ArrayType = 0xA,
    DictionaryType = 0xD,
};

std::uint64_t readBigEndian(const std::uint8_t* bytes, std::uint64_t count) {
    std::uint64_t value = 0;
    for (std::uint64_t i = 0; i < count; ++i)
        value = (value << 8) | bytes[i];
    return value;
}

std::uint64_t saturatingAdd(std::uint64_t a, std::uint64_t b) {
    return a > std::numeric_limits<std::uint64_t>::max() - b
               ? std::numeric_limits<std::uint64_t>::max()
               : a + b;
}

// What libplist allocates for an object and everything below it, counting shared objects
// once per reference, as libplist does.
struct Cost {
    std::uint64_t elements = 0;
    std::uint64_t bytes = 0;

    void add(const Cost& other) {
        elements = saturatingAdd(elements, other.elements);
        bytes = saturatingAdd(bytes, other.bytes);
    }
};

class Checker {
public:
    Checker(const Data& bytes, std::string& reason)
        : bytes_(bytes.data()), size_(bytes.size()), reason_(reason),
          byteBudget_(saturatingAdd(4 * std::uint64_t{bytes.size()}, 1 << 20)) {}

    bool run() {
        if (!readTrailer())
            return false;
        states_.assign(count_, State::Unvisited);
        costs_.assign(count_, Cost{});
        return visit(root_, 1);
    }

private:
    enum class State : std::uint8_t { Unvisited, OnPath, Done };

    bool fail(std::string why) {
        reason_ = "damaged binary property list: " + std::move(why);
        return false;
    }

    bool readTrailer() {
        if (size_ < headerSize + trailerSize)
            return fail("too short");
        const std::uint8_t* trailer = bytes_ + size_ - trailerSize;
        offsetSize_ = trailer[6];
        referenceSize_ = trailer[7];
        count_ = readBigEndian(trailer + 8, 8);
        root_ = readBigEndian(trailer + 16, 8);
        tableOffset_ = readBigEndian(trailer + 24, 8);
        if (offsetSize_ < 1 || offsetSize_ > 8 || referenceSize_ < 1 || referenceSize_ > 8)
            return fail("offset or reference size out of range");
        if (count_ == 0 || root_ >= count_)
            return fail("no root object");
        if (count_ > PropertyListLimits::maximumElements)
            return fail("more than " + std::to_string(PropertyListLimits::maximumElements) +
                        " objects");
        const std::uint64_t tableEnd = size_ - trailerSize;
        if (tableOffset_ < headerSize || tableOffset_ > tableEnd ||
            count_ > (tableEnd - tableOffset_) / offsetSize_)
            return fail("offset table out of range");
        return true;
    }

    // Whether `count` items of `unit` bytes at `position` end before the offset table.
    bool fits(std::uint64_t position, std::uint64_t count, std::uint64_t unit) const {
        return position <= tableOffset_ && count <= (tableOffset_ - position) / unit;
    }

    bool visit(std::uint64_t index, std::size_t depth) {
        if (depth > PropertyListLimits::maximumDepth)
            return fail("nested deeper than " + std::to_string(PropertyListLimits::maximumDepth) +
                        " levels");
        if (states_[index] == State::Done)
            return true;
        if (states_[index] == State::OnPath)
            return fail("an object contains itself");
        states_[index] = State::OnPath;
        Cost cost{1, 0};
        if (!visitObject(index, depth, cost))
            return false;
        if (cost.elements > PropertyListLimits::maximumElements)
            return fail("more than " + std::to_string(PropertyListLimits::maximumElements) +
                        " elements once its shared objects are expanded");
        if (cost.bytes > byteBudget_)
            return fail("its shared objects expand to more than " + std::to_string(byteBudget_) +
                        " bytes");
        costs_[index] = cost;
        states_[index] = State::Done;
        return true;
    }

    bool visitObject(std::uint64_t index, std::size_t depth, Cost& cost) {
        const std::uint64_t offset =
            readBigEndian(bytes_ + tableOffset_ + index * offsetSize_, offsetSize_);
        if (offset < headerSize || offset >= tableOffset_)
            return fail("object offset out of range");
        const std::uint8_t marker = bytes_[offset];
        const std::uint8_t info = marker & 0x0F;
        std::uint64_t position = offset + 1;
        switch (marker >> 4) {
        case Simple:
            return info == 0x8 || info == 0x9 || fail("null and fill objects are not supported");
        case Integer:
            return checkInteger(position, info);
        case Real:
            return ((info == 2 || info == 3) && fits(position, std::uint64_t{1} << info, 1)) ||
                   fail("real out of range");
        case DateType:
            return (info == 3 && fits(position, 8, 1)) || fail("date out of range");
        case DataType:
            return checkData(position, info, cost);
        case AsciiString:
            return checkAscii(position, info, cost);
        case Utf16String:
            return checkUtf16(position, info, cost);
        case Uid:
            return ((info == 0 || info == 1 || info == 3 || info == 7) &&
                    fits(position, info + 1, 1)) ||
                   fail("UID out of range");
        case ArrayType:
            return checkArray(position, info, depth, cost);
        case DictionaryType:
            return checkDictionary(position, info, depth, cost);
        default:
            return fail("unsupported object type");
        }
    }

    bool checkInteger(std::uint64_t position, std::uint8_t info) {
        if (info > 4 || !fits(position, std::uint64_t{1} << info, 1))
            return fail("integer out of range");
        // libplist keeps the low 64 bits of a 128-bit integer; the platform writes only
        // unsigned 64-bit values in that form.
        if (info == 4 && readBigEndian(bytes_ + position, 8) != 0)
            return fail("integer beyond 64 bits");
        return true;
    }

    // The count of a data, string or collection object: in the marker, or in an integer
    // object after it.
    bool readLength(std::uint64_t& position, std::uint8_t info, std::uint64_t& length) {
        if (info != 0x0F) {
            length = info;
            return true;
        }
        if (!fits(position, 1, 1))
            return fail("length out of range");
        const std::uint8_t marker = bytes_[position];
        const std::uint8_t exponent = marker & 0x0F;
        if ((marker >> 4) != Integer || exponent > 3 ||
            !fits(position + 1, std::uint64_t{1} << exponent, 1))
            return fail("malformed length");
        length = readBigEndian(bytes_ + position + 1, std::uint64_t{1} << exponent);
        position += 1 + (std::uint64_t{1} << exponent);
        return true;
    }

    bool checkData(std::uint64_t position, std::uint8_t info, Cost& cost) {
        std::uint64_t length = 0;
        if (!readLength(position, info, length))
            return false;
        if (!fits(position, length, 1))
            return fail("data out of range");
        cost.bytes = length;
        return true;
    }

    bool checkAscii(std::uint64_t position, std::uint8_t info, Cost& cost) {
        std::uint64_t length = 0;
        if (!readLength(position, info, length))
            return false;
        if (!fits(position, length, 1))
            return fail("string out of range");
        const std::uint8_t* text = bytes_ + position;
        if (std::any_of(text, text + length, [](std::uint8_t c) { return c == 0 || c > 0x7F; }))
            return fail("an ASCII string holds U+0000 or a byte beyond ASCII");
        cost.bytes = length + 1;
        return true;
    }

    bool checkUtf16(std::uint64_t position, std::uint8_t info, Cost& cost) {
        std::uint64_t length = 0;
        if (!readLength(position, info, length))
            return false;
        if (!fits(position, length, 2))
            return fail("string out of range");
        for (std::uint64_t i = 0; i < length; ++i) {
            const auto unit = readBigEndian(bytes_ + position + 2 * i, 2);
            if (unit == 0)
                return fail("a string holds U+0000");
            if (unit >= 0xDC00 && unit <= 0xDFFF)
                return fail("a string holds a lone surrogate");
            if (unit >= 0xD800 && unit <= 0xDBFF) {
                const auto next =
                    i + 1 < length ? readBigEndian(bytes_ + position + 2 * i + 2, 2) : 0;
                if (next < 0xDC00 || next > 0xDFFF)
                    return fail("a string holds a lone surrogate");
                ++i;
            }
        }
        cost.bytes = 4 * (length + 1); // libplist's buffer for the UTF-8 form
        return true;
    }

    std::uint64_t referenceAt(std::uint64_t position) const {
        return readBigEndian(bytes_ + position, referenceSize_);
    }

    bool visitChild(std::uint64_t child, std::size_t depth, Cost& cost) {
        if (child >= count_)
            return fail("reference out of range");
        if (!visit(child, depth + 1))
            return false;
        cost.add(costs_[child]);
        return true;
    }

    bool checkArray(std::uint64_t position, std::uint8_t info, std::size_t depth, Cost& cost) {
        std::uint64_t count = 0;
        if (!readLength(position, info, count))
            return false;
        if (!fits(position, count, referenceSize_))
            return fail("array out of range");
        for (std::uint64_t i = 0; i < count; ++i)
            if (!visitChild(referenceAt(position + i * referenceSize_), depth, cost))
                return false;
        return true;
    }

    bool isString(std::uint64_t index) const {
        const std::uint64_t offset =
            readBigEndian(bytes_ + tableOffset_ + index * offsetSize_, offsetSize_);
        const auto type = bytes_[offset] >> 4;
        return type == AsciiString || type == Utf16String;
    }

    bool checkDictionary(std::uint64_t position, std::uint8_t info, std::size_t depth, Cost& cost) {
        std::uint64_t count = 0;
        if (!readLength(position, info, count))
            return false;
        if (!fits(position, count, 2 * std::uint64_t{referenceSize_}))
            return fail("dictionary out of range");
        for (std::uint64_t i = 0; i < count; ++i) {
            const auto key = referenceAt(position + i * referenceSize_);
            const auto value = referenceAt(position + (count + i) * referenceSize_);
            if (!visitChild(key, depth, cost))
                return false;
            if (!isString(key))
                return fail("a dictionary key is no string");
            if (!visitChild(value, depth, cost))
                return false;
        }
        return true;
    }

    const std::uint8_t* bytes_;
    std::uint64_t size_;
    std::string& reason_;
    std::uint64_t byteBudget_;
    std::uint8_t offsetSize_ = 0;
    std::uint8_t referenceSize_ = 0;
    std::uint64_t count_ = 0;
    std::uint64_t root_ = 0;
    std::uint64_t tableOffset_ = 0;
    std::vector<State> states_;
    std::vector<Cost> costs_;
};

} // namespace

Result<> PropertyListBinaryCheck::check(const Data& bytes) {
    std::string reason;
    if (Checker(bytes, reason).run())
        return {};
    return failure(Error::fromUtf8(reason));
}

} // namespace platform

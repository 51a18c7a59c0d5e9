#include "platform/security/Base64Transform.h"

#include <algorithm>
#include <memory>
#include <openssl/evp.h>

namespace platform {
namespace {

// libcrypto counts lengths in int; these pieces keep whole groups (3 bytes in, 4 out).
constexpr std::size_t encodePiece = std::size_t{3} << 28;
constexpr std::size_t decodePiece = std::size_t{1} << 30;

struct EncodeContextDeleter {
    void operator()(EVP_ENCODE_CTX* ctx) const { EVP_ENCODE_CTX_free(ctx); }
};

Data encode(const Data& input) {
    Data out(4 * ((input.size() + 2) / 3) + 1); // EVP_EncodeBlock adds a NUL
    std::size_t written = 0;
    for (std::size_t offset = 0; offset < input.size();) {
        const std::size_t piece = std::min(encodePiece, input.size() - offset);
        written += static_cast<std::size_t>(
            EVP_EncodeBlock(out.data() + written, input.data() + offset, static_cast<int>(piece)));
        offset += piece;
    }
    out.resize(written);
    return out;
}

// libcrypto's decoder stops silently at '-' (the end of a PEM body) and would drop
// what follows; such text is not ours.
bool hasEndMarker(const Data& input) {
    return std::find(input.begin(), input.end(), std::uint8_t{'-'}) != input.end();
}

std::optional<Data> decode(const Data& input) {
    if (hasEndMarker(input))
        return std::nullopt;
    std::unique_ptr<EVP_ENCODE_CTX, EncodeContextDeleter> ctx(EVP_ENCODE_CTX_new());
    if (!ctx)
        return std::nullopt;
    EVP_DecodeInit(ctx.get());
    Data out(3 * (input.size() / 4 + 1));
    std::size_t written = 0;
    for (std::size_t offset = 0; offset < input.size();) {
        const std::size_t piece = std::min(decodePiece, input.size() - offset);
        int moved = 0;
        if (EVP_DecodeUpdate(ctx.get(), out.data() + written, &moved, input.data() + offset,
                             static_cast<int>(piece)) < 0)
            return std::nullopt;
        written += static_cast<std::size_t>(moved);
        offset += piece;
    }
    int moved = 0;
    if (EVP_DecodeFinal(ctx.get(), out.data() + written, &moved) != 1)
        return std::nullopt;
    out.resize(written + static_cast<std::size_t>(moved));
    return out;
}

} // namespace

std::shared_ptr<Base64Transform> Base64Transform::create(Direction direction) {
    return std::make_shared<Base64Transform>(direction);
}

bool Base64Transform::setInput(std::optional<Data> input) {
    if (!input)
        return false;
    input_ = std::move(input);
    return true;
}

std::optional<Data> Base64Transform::execute() const {
    if (!input_)
        return std::nullopt;
    if (direction_ == Direction::encode)
        return encode(*input_);
    return decode(*input_);
}

} // namespace platform

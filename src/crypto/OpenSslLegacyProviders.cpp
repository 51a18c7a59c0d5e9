#include "crypto/OpenSslLegacyProviders.h"

#include <mutex>
#include <openssl/err.h>
#include <openssl/provider.h>

namespace {

std::string openSslErrors() {
    std::string reason;
    const char* data = nullptr;
    int flags = 0;
    while (const unsigned long code = ERR_get_error_all(nullptr, nullptr, nullptr, &data, &flags)) {
        char line[256];
        ERR_error_string_n(code, line, sizeof line);
        if (!reason.empty())
            reason += "; ";
        reason += line;
        // Which file could not be opened, and why.
        if (data != nullptr && (flags & ERR_TXT_STRING) != 0 && *data != '\0')
            reason += std::string(" (") + data + ")";
    }
    return reason;
}

std::string loadFailure(const char* name) {
    std::string reason = std::string("the OpenSSL provider \"") + name + "\" could not be loaded";
    const std::string details = openSslErrors();
    if (!details.empty())
        reason += ": " + details;
    return reason;
}

} // namespace

const OpenSslLegacyProviders& OpenSslLegacyProviders::shared() {
    static std::once_flag once;
    static const OpenSslLegacyProviders* providers = nullptr;
    std::call_once(once, [] {
        // Made here, once OpenSSL has registered its exit handler, so that it is destroyed
        // first: a provider still held at OpenSSL's clean-up is never released.
        static const OpenSslLegacyProviders loaded;
        providers = &loaded;
    });
    return *providers;
}

OpenSslLegacyProviders::OpenSslLegacyProviders() {
    ERR_clear_error();
    legacy_ = OSSL_PROVIDER_load(nullptr, "legacy");
    if (legacy_ == nullptr) {
        failureReason_ = loadFailure("legacy");
        return;
    }
    default_ = OSSL_PROVIDER_load(nullptr, "default");
    if (default_ == nullptr) {
        failureReason_ = loadFailure("default");
        return;
    }
    loaded_ = true;
}

OpenSslLegacyProviders::~OpenSslLegacyProviders() {
    if (default_ != nullptr)
        OSSL_PROVIDER_unload(default_);
    if (legacy_ != nullptr)
        OSSL_PROVIDER_unload(legacy_);
}

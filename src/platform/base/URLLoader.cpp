#include "platform/base/URLLoader.h"

#include "platform/base/AsciiCharacter.h"
#include "platform/base/FileDescriptor.h"
#include "platform/base/FileIO.h"
#include "platform/base/PosixPath.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <curl/curl.h>
#include <fcntl.h>
#include <limits>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace platform {
namespace {

tl::unexpected<Error> loadFailure(const URL& url, std::string_view why) {
    return failure(Error::fromUtf8(toUtf8Lossy(url.absoluteString()) + ": " + std::string(why)));
}

tl::unexpected<Error> loadFailure(const URL& url, const Error& error) {
    return failure(Error{url.absoluteString() + u": " + error.message, error.cause});
}

// A path whose bytes open exactly the file it names, or none.
std::optional<std::string> localPath(const URL& url) {
    const auto host = url.host();
    if (host && !equalsIgnoringAsciiCase(std::u16string_view(*host), "localhost"))
        return std::nullopt;
    const auto path = url.path();
    return path ? posixPath(*path) : std::nullopt;
}

std::string tooLong(std::size_t limit) {
    return "longer than " + std::to_string(limit) + " bytes";
}

// Once per process, whichever thread comes first.
bool curlReady() {
    static const CURLcode status = curl_global_init(CURL_GLOBAL_DEFAULT);
    return status == CURLE_OK;
}

struct Download {
    Data bytes;
    std::size_t limit = 0;
    bool overLimit = false;
    const std::atomic<bool>* stop = nullptr;
};

bool stopped(const std::atomic<bool>* stop) {
    return stop && stop->load(std::memory_order_acquire);
}

// libcurl calls it at least once a second, also while nothing arrives.
int progress(void* context, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return stopped(static_cast<Download*>(context)->stop) ? 1 : 0;
}

std::size_t receive(char* chunk, std::size_t size, std::size_t count, void* context) {
    auto& download = *static_cast<Download*>(context);
    const std::size_t length = size * count;
    if (length > download.limit - download.bytes.size()) {
        download.overLimit = true;
        return 0; // anything but `length` aborts the transfer
    }
    download.bytes.insert(download.bytes.end(), chunk, chunk + length);
    return length;
}

long milliseconds(std::chrono::milliseconds duration) {
    return static_cast<long>(std::clamp<std::chrono::milliseconds::rep>(
        duration.count(), 1, std::numeric_limits<long>::max()));
}

using Easy = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;

void configure(CURL* curl, const std::string& address, const URLLoader::Options& options,
               Download& download, char* errorBuffer) {
    curl_easy_setopt(curl, CURLOPT_URL, address.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, options.maximumRedirects);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, milliseconds(options.timeout));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, milliseconds(options.timeout));
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE,
                     static_cast<curl_off_t>(std::min<std::size_t>(
                         options.maximumLength, std::numeric_limits<curl_off_t>::max())));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, receive);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &download);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorBuffer);
    if (download.stop) {
        curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, progress);
        curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &download);
        curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    }
}

std::string transferError(CURLcode code, const Download& download, const char* errorBuffer,
                          const URLLoader::Options& options) {
    if (download.overLimit || code == CURLE_FILESIZE_EXCEEDED)
        return tooLong(options.maximumLength);
    if (code == CURLE_ABORTED_BY_CALLBACK)
        return "stopped";
    std::string reason = curl_easy_strerror(code);
    if (*errorBuffer)
        reason += std::string(" (") + errorBuffer + ")";
    return reason;
}

} // namespace

URLLoader::URLLoader() : URLLoader(Options{}) {}

URLLoader::URLLoader(Options options) : options_(std::move(options)) {}

Result<Data> URLLoader::load(const URL& url) const {
    if (stopped(options_.stop.get()))
        return loadFailure(url, "stopped");
    if (url.isFileURL())
        return loadFile(url);
    if (url.isHTTPURL())
        return loadHTTP(url);
    return loadFailure(url, "unsupported scheme");
}

Result<Data> URLLoader::loadFile(const URL& url) const {
    const auto path = localPath(url);
    if (!path)
        return loadFailure(url, "not a local file path");
    // Non-blocking, so that a FIFO cannot hold the open; it is refused below.
    const FileDescriptor file(::open(path->c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.get() < 0)
        return loadFailure(url, Error::fromErrno(errno));
    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        return loadFailure(url, Error::fromErrno(errno));
    if (!S_ISREG(status.st_mode))
        return loadFailure(url, "not a regular file");
    if (static_cast<std::uintmax_t>(status.st_size) > options_.maximumLength)
        return loadFailure(url, tooLong(options_.maximumLength));
    Data bytes;
    bytes.reserve(static_cast<std::size_t>(status.st_size));
    // The file may still grow while it is read: the limit holds for what is read, not for
    // what fstat said.
    if (auto read = readToEnd(file.get(), bytes, options_.maximumLength); !read)
        return read.error().cause == EFBIG ? loadFailure(url, tooLong(options_.maximumLength))
                                           : loadFailure(url, read.error());
    return bytes;
}

Result<Data> URLLoader::loadHTTP(const URL& url) const {
    if (!url.host())
        return loadFailure(url, "no host");
    if (!curlReady())
        return loadFailure(url, "libcurl could not be initialised");
    const Easy curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl)
        return loadFailure(url, "libcurl could not be initialised");
    Download download;
    download.limit = options_.maximumLength;
    download.stop = options_.stop.get();
    char errorBuffer[CURL_ERROR_SIZE] = {};
    const auto address = toUtf8Lossy(url.absoluteString());
    configure(curl.get(), address, options_, download, errorBuffer);
    const CURLcode code = curl_easy_perform(curl.get());
    if (code != CURLE_OK)
        return loadFailure(url, transferError(code, download, errorBuffer, options_));
    long status = 0;
    curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &status);
    if (status < 200 || status > 299)
        return loadFailure(url, "HTTP status " + std::to_string(status));
    return std::move(download.bytes);
}

} // namespace platform

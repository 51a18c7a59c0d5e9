#pragma once

#include "platform/base/String.h"
#include "platform/ui/DesktopRequest.h"

#include <cstddef>
#include <string>
#include <tl/expected.hpp>
#include <vector>

namespace platform {

// The program's command line:
//     sealscribe [--] [FILE...]
//     sealscribe --new-from-text              (the text is the standard input, to its end)
//     sealscribe --new-from-selection
//     sealscribe --unlock FILE [--password-fd N]   (one line of fd N, else of stdin)
// No option carries a password. read() turns the arguments and their input into the
// request, with the paths made absolute against the current folder.
class CommandLine {
public:
    // More text than this is refused rather than read into memory.
    static constexpr std::size_t maximumTextLength = std::size_t{64} << 20;
    static constexpr int usageStatus = 2;
    static constexpr int failureStatus = 1;
    static constexpr const char* usage = "usage: sealscribe [--] [FILE...]\n"
                                         "       sealscribe --new-from-text\n"
                                         "       sealscribe --new-from-selection\n"
                                         "       sealscribe --unlock FILE [--password-fd N]\n";

    struct Failure {
        // usageStatus for arguments that make no command, else failureStatus.
        int exitStatus = usageStatus;
        std::string message;

        bool operator==(const Failure&) const = default;
    };

    // `arguments` without the program's name; `standardInput` is read for the text or the
    // password.
    [[nodiscard]] static tl::expected<DesktopRequest, Failure>
    read(const std::vector<std::string>& arguments, int standardInput);

    // The request's kind and its paths as given (bytes that are not UTF-8 read as Latin-1),
    // without reading any input or touching the file system.
    [[nodiscard]] static tl::expected<DesktopRequest, Failure>
    parse(const std::vector<std::string>& arguments);
};

} // namespace platform

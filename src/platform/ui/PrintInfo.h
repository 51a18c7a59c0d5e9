#pragma once

#include "platform/ui/Size.h"

#include <memory>

namespace platform {

// The page settings printing lays a view out by, in points: the paper as it comes (its
// portrait size), how it is turned, and the margins of the turned page. The shared one is
// what the page setup chose; each print starts from it.
class PrintInfo {
public:
    enum class Orientation { Portrait, Landscape };
    struct Margins {
        double top = 72;
        double left = 72;
        double bottom = 72;
        double right = 72;

        bool operator==(const Margins&) const = default;
    };

    // The environment's; giving none makes the next use start from the defaults again.
    [[nodiscard]] static std::shared_ptr<PrintInfo> sharedPrintInfo();
    static void setSharedPrintInfo(std::shared_ptr<PrintInfo> printInfo);

    [[nodiscard]] Size paperSize() const { return paperSize_; }
    void setPaperSize(Size size) { paperSize_ = size; }
    [[nodiscard]] Orientation orientation() const { return orientation_; }
    void setOrientation(Orientation orientation) { orientation_ = orientation; }
    [[nodiscard]] const Margins& margins() const { return margins_; }
    void setMargins(const Margins& margins) { margins_ = margins; }

    bool operator==(const PrintInfo&) const = default;

private:
    // A4, a margin of an inch all round.
    Size paperSize_{595.276, 841.89};
    Orientation orientation_ = Orientation::Portrait;
    Margins margins_;
};

} // namespace platform

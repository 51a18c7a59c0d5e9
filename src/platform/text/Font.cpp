#include "platform/text/Font.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

int toHalfPoints(double pointSize) {
    if (!std::isfinite(pointSize) || pointSize <= 0)
        return 0;
    return static_cast<int>(std::lround(std::min(pointSize, Font::maxPointSize) * 2.0));
}

} // namespace

Font::Font(String family, double pointSize, bool bold, bool italic)
    : family_(std::move(family)), halfPoints_(toHalfPoints(pointSize)), bold_(bold),
      italic_(italic) {}

} // namespace platform

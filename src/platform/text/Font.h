#pragma once

#include "platform/base/String.h"

namespace platform {

// A font by family, size and traits. Sizes are kept in half points, the unit RTF stores,
// so that a body keeps them exactly through its RTF form.
class Font {
public:
    static constexpr double maxPointSize = 16383.5;

    // The size is rounded to the nearest half point and kept within 0 to maxPointSize.
    Font(String family, double pointSize, bool bold = false, bool italic = false);

    [[nodiscard]] const String& family() const { return family_; }
    [[nodiscard]] double pointSize() const { return halfPoints_ / 2.0; }
    [[nodiscard]] int halfPoints() const { return halfPoints_; }
    [[nodiscard]] bool isBold() const { return bold_; }
    [[nodiscard]] bool isItalic() const { return italic_; }

    bool operator==(const Font&) const = default;

private:
    String family_;
    int halfPoints_;
    bool bold_;
    bool italic_;
};

} // namespace platform

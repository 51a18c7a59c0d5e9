#pragma once

#include "platform/ui/PrintInfo.h"

#include <QPageLayout>
#include <memory>

class QPrinter;

namespace gui {

// The model's page settings and Qt's page layout, both in points.
[[nodiscard]] QPageLayout toQPageLayout(const platform::PrintInfo& printInfo);
[[nodiscard]] platform::PrintInfo fromQPageLayout(const QPageLayout& layout);

// A printer whose pages are laid out by the settings; margins the printer cannot print
// leave its own.
[[nodiscard]] std::unique_ptr<QPrinter> printerFor(const platform::PrintInfo& printInfo);

} // namespace gui

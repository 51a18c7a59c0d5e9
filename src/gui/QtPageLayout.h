#pragma once

#include "platform/ui/PrintInfo.h"

#include <QPageLayout>

class QPrinter;

namespace gui {

// The model's page settings and Qt's page layout, both in points.
[[nodiscard]] QPageLayout toQPageLayout(const platform::PrintInfo& printInfo);
[[nodiscard]] platform::PrintInfo fromQPageLayout(const QPageLayout& layout);

// Lays the printer's pages out by the settings; margins the printer cannot print leave its
// own.
void applyPageLayout(QPrinter& printer, const platform::PrintInfo& printInfo);

} // namespace gui

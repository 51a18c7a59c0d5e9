#include "gui/QtPageLayout.h"

#include <QPageSize>
#include <QPrinter>

namespace gui {

using Orientation = platform::PrintInfo::Orientation;

QPageLayout toQPageLayout(const platform::PrintInfo& printInfo) {
    const auto paper = printInfo.paperSize();
    const auto& margins = printInfo.margins();
    return QPageLayout(QPageSize(QSizeF(paper.width, paper.height), QPageSize::Point),
                       printInfo.orientation() == Orientation::Landscape ? QPageLayout::Landscape
                                                                         : QPageLayout::Portrait,
                       QMarginsF(margins.left, margins.top, margins.right, margins.bottom),
                       QPageLayout::Point);
}

platform::PrintInfo fromQPageLayout(const QPageLayout& layout) {
    platform::PrintInfo printInfo;
    const QSizeF paper = layout.pageSize().size(QPageSize::Point);
    printInfo.setPaperSize({paper.width(), paper.height()});
    printInfo.setOrientation(layout.orientation() == QPageLayout::Landscape
                                 ? Orientation::Landscape
                                 : Orientation::Portrait);
    const QMarginsF margins = layout.margins(QPageLayout::Point);
    printInfo.setMargins({margins.top(), margins.left(), margins.bottom(), margins.right()});
    return printInfo;
}

std::unique_ptr<QPrinter> printerFor(const platform::PrintInfo& printInfo) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const QPageLayout layout = toQPageLayout(printInfo);
    if (!printer->setPageLayout(layout)) {
        (void)printer->setPageSize(layout.pageSize());
        (void)printer->setPageOrientation(layout.orientation());
    }
    return printer;
}

} // namespace gui

#include "gui/PageSetupDialog.h"

#include "gui/QtPageLayout.h"
#include "platform/ui/PageLayout.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QRadioButton>

namespace gui {
PageSetupDialog::PageSetupDialog(std::shared_ptr<platform::PageLayout> layout, QWidget* parent)
    : OwnedPrinter(printerFor(layout->printInfo())), QPageSetupDialog(ownedPrinter.get(), parent),
      layout_(std::move(layout)) {
    connect(this, &QDialog::finished, this, [this](int result) { answer(result); });
    stateChanged_ = layout_->stateProperty().observe([this] {
        if (isVisible())
            done(QDialog::Rejected);
    });
}

PageSetupDialog::~PageSetupDialog() {
    stateChanged_.cancel();
    layout_->cancel();
}

void PageSetupDialog::answer(int result) {
    stateChanged_.cancel();
    if (result == QDialog::Accepted) {
        layout_->printInfo() = fromQPageLayout(chosenLayout());
        layout_->complete();
    } else {
        layout_->cancel();
    }
    deleteLater();
}

// Qt's dialog writes its choice into the printer only when run by exec(); opened, it is
// read from the dialog's fields (their units are the unit box's).
QPageLayout PageSetupDialog::chosenLayout() const {
    QPageLayout chosen = ownedPrinter->pageLayout();
    const auto* sizes = findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
    const auto* units = findChild<QComboBox*>(QStringLiteral("unitCombo"));
    const auto* landscape = findChild<QRadioButton*>(QStringLiteral("landscape"));
    const auto* width = findChild<QDoubleSpinBox*>(QStringLiteral("pageWidth"));
    const auto* height = findChild<QDoubleSpinBox*>(QStringLiteral("pageHeight"));
    const auto margin = [this](const char* name) {
        const auto* field = findChild<QDoubleSpinBox*>(QString::fromLatin1(name));
        return field ? field->value() : 0.0;
    };
    if (!sizes || !units || !landscape || !width || !height)
        return chosen;
    const auto unit = units->currentData().value<QPageLayout::Unit>();
    const auto orientation =
        landscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
    // The fields show the turned page; a page size is the paper as it comes.
    QSizeF shown(width->value(), height->value());
    if (orientation == QPageLayout::Landscape)
        shown.transpose();
    const QVariant listed = sizes->currentData();
    const QPageSize size = listed.canConvert<QPageSize>()
                               ? listed.value<QPageSize>()
                               : QPageSize(shown, static_cast<QPageSize::Unit>(unit));
    chosen = QPageLayout(size, orientation,
                         QMarginsF(margin("leftMargin"), margin("topMargin"), margin("rightMargin"),
                                   margin("bottomMargin")),
                         unit);
    return chosen;
}

} // namespace gui

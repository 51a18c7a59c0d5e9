#include "gui/PopUpButtonBinding.h"

#include "gui/QtString.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuItem.h"
#include "platform/ui/PopUpButton.h"

#include <QComboBox>

namespace gui {

PopUpButtonBinding::PopUpButtonBinding(std::shared_ptr<platform::PopUpButton> popUp,
                                       QComboBox* widget)
    : ViewBinding(popUp, widget), popUp_(std::move(popUp)), comboBox_(widget) {
    setFocusWidget(widget);
    makeItems();
    observeEnabled(*popUp_);
    observe(popUp_->menuProperty(), [this] { makeItems(); });
    observe(popUp_->indexOfSelectedItemProperty(), [this] { showSelection(); });
    connect(widget, &QComboBox::activated, this, [this](int index) {
        const auto keepAlive = popUp_;
        popUp_->userSelectItemAtIndex(index);
        showSelection();
    });
}

// Separators stay items of their own, so that indexes are the model's.
void PopUpButtonBinding::makeItems() {
    const QSignalBlocker quiet(comboBox_);
    comboBox_->clear();
    itemTitles_.clear();
    const auto menu = popUp_->menu();
    if (menu) {
        for (const auto& item : menu->items()) {
            const int index = comboBox_->count();
            if (item->isSeparatorItem()) {
                comboBox_->insertSeparator(index);
                continue;
            }
            comboBox_->addItem(toQString(item->title()));
            itemTitles_.push_back(item->titleProperty().observe([this, index, item = item.get()] {
                comboBox_->setItemText(index, toQString(item->title()));
            }));
        }
        itemTitles_.push_back(menu->itemsProperty().observe([this] { makeItems(); }));
    }
    showSelection();
}

void PopUpButtonBinding::showSelection() {
    const QSignalBlocker quiet(comboBox_);
    comboBox_->setCurrentIndex(static_cast<int>(popUp_->indexOfSelectedItem()));
}

} // namespace gui

#include "gui/ViewFactory.h"

#include "gui/ButtonBinding.h"
#include "gui/ContainerBinding.h"
#include "gui/CustomViewBinding.h"
#include "gui/CustomViewWidget.h"
#include "gui/FrameSizedWidget.h"
#include "gui/PopUpButtonBinding.h"
#include "gui/ProgressIndicatorBinding.h"
#include "gui/RulerBinding.h"
#include "gui/ScrollViewBinding.h"
#include "gui/TabViewBinding.h"
#include "gui/TextEditBinding.h"
#include "gui/TextEditWidget.h"
#include "gui/TextFieldBinding.h"
#include "platform/ui/Button.h"
#include "platform/ui/CustomView.h"
#include "platform/ui/PopUpButton.h"
#include "platform/ui/ProgressIndicator.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TabView.h"
#include "platform/ui/Text.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextView.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QProgressBar>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>

namespace gui {
namespace {

template <typename Kind> std::shared_ptr<Kind> as(const std::shared_ptr<platform::View>& view) {
    return std::dynamic_pointer_cast<Kind>(view);
}

} // namespace

QWidget* ViewFactory::widgetFor(const std::shared_ptr<platform::View>& view, QWidget* parent) {
    if (const auto field = as<platform::TextField>(view)) {
        auto* widget = new QStackedWidget(parent);
        new TextFieldBinding(field, widget);
        return widget;
    }
    if (const auto button = as<platform::Button>(view)) {
        QAbstractButton* widget = ButtonBinding::makeWidget(*button, parent);
        new ButtonBinding(button, widget);
        return widget;
    }
    if (const auto popUp = as<platform::PopUpButton>(view)) {
        auto* widget = new QComboBox(parent);
        new PopUpButtonBinding(popUp, widget);
        return widget;
    }
    if (const auto tabView = as<platform::TabView>(view)) {
        auto* widget = new QTabWidget(parent);
        new TabViewBinding(tabView, widget);
        return widget;
    }
    if (const auto indicator = as<platform::ProgressIndicator>(view)) {
        auto* widget = new QProgressBar(parent);
        new ProgressIndicatorBinding(indicator, widget);
        return widget;
    }
    if (const auto scrollView = as<platform::ScrollView>(view)) {
        auto* widget = new QScrollArea(parent);
        new ScrollViewBinding(scrollView, widget);
        return widget;
    }
    if (const auto text = as<platform::Text>(view)) {
        auto* widget = new TextEditWidget(text, parent);
        new TextEditBinding(text, widget);
        if (const auto textView = as<platform::TextView>(view))
            new RulerBinding(textView, widget);
        return widget;
    }
    if (const auto custom = as<platform::CustomView>(view)) {
        auto* widget = new CustomViewWidget(custom, parent);
        new CustomViewBinding(custom, widget);
        return widget;
    }
    auto* widget = new FrameSizedWidget(parent);
    new ContainerBinding(view, widget);
    return widget;
}

} // namespace gui

#pragma once

#include "platform/base/Observation.h"
#include "platform/base/String.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace platform {
class Control;
class Object;
class PropertyBase;
class View;
} // namespace platform

namespace gui {

// Keeps one widget in step with one view of the model, and hands the user's input on that
// widget to the view's entry points. It is a child of the widget and ends with it; the
// observers it registers end with it too.
//
// Every view: "hidden" shows and hides the widget, a layout's fixed sizes fix it, focusing
// the widget makes the view its window's first responder, and a widget that a row or a
// column lays out tells the view the frame it was given (the model never lays out).
class ViewBinding : public QObject {
    Q_OBJECT

public:
    ViewBinding(std::shared_ptr<platform::View> view, QWidget* widget);
    ~ViewBinding() override;

    [[nodiscard]] const std::shared_ptr<platform::View>& view() const { return view_; }
    [[nodiscard]] QWidget* widget() const { return widget_; }
    // The widget that takes the keyboard focus for the view; none when it takes none.
    [[nodiscard]] QWidget* focusWidget() const { return focusWidget_; }

    // The binding of the view among the widget and its descendants; none when no widget
    // there renders it.
    [[nodiscard]] static ViewBinding* find(QWidget* root, const platform::Object* view);

protected:
    // For as long as the binding lives.
    void observe(const platform::PropertyBase& property, std::function<void()> changed);
    void observeEnabled(platform::Control& control);
    void setFocusWidget(QWidget* widget);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyFixedSize();
    void showHiddenState();
    void showToolTip();
    void focusedByUser();
    void reportLaidOutFrame();

    std::shared_ptr<platform::View> view_;
    QPointer<QWidget> widget_;
    QPointer<QWidget> focusWidget_;
    std::vector<platform::Observation> observations_;
};

} // namespace gui

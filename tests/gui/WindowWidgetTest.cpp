#include "GuiTest.h"
#include "gui/ScreenMapping.h"
#include "platform/ui/Button.h"
#include "platform/ui/SecureTextField.h"
#include "platform/ui/TextField.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/ToolbarDelegate.h"
#include "platform/ui/ToolbarItem.h"
#include "platform/ui/WindowDelegate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>

using namespace platform;

namespace {

class WindowWidgetTest : public guitest::GuiTest {
protected:
    WindowWidgetTest() {
        content->setLayoutHints({LayoutDirection::Column, 8, {}, {}});
        content->addSubview(name);
        content->addSubview(password);
        content->addSubview(label);
        content->addSubview(button);
        button->setTitle(u"Unlock");
        button->setAction(u"unlock:");
        button->setTarget(target);
        target->answer(u"unlock:");
    }

    std::shared_ptr<View> content = std::make_shared<View>();
    std::shared_ptr<TextField> name = std::make_shared<TextField>();
    std::shared_ptr<SecureTextField> password = std::make_shared<SecureTextField>();
    std::shared_ptr<TextField> label = TextField::labelWithString(u"Master password");
    std::shared_ptr<Button> button = std::make_shared<Button>();
    std::shared_ptr<guitest::RecordingResponder> target =
        std::make_shared<guitest::RecordingResponder>();
};

TEST_F(WindowWidgetTest, TypingAndPressingGoThroughTheModel) {
    const auto window = shownWindow(content);
    gui::WindowWidget* widget = widgetOf(*window);
    ASSERT_NE(widget, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));
    auto* nameEdit = controlOf<QLineEdit>(widget, name);
    auto* passwordEdit = controlOf<QLineEdit>(widget, password);
    auto* unlock = controlOf<QPushButton>(widget, button);
    ASSERT_TRUE(nameEdit && passwordEdit && unlock);

    QTest::keyClicks(nameEdit, "Diary");
    EXPECT_EQ(name->stringValue(), u"Diary");
    EXPECT_EQ(window->firstResponder(), name);
    QTest::keyClicks(passwordEdit, "s3cr");
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("\u00e9"));
    QApplication::sendEvent(passwordEdit, &accented);
    QTest::keyClicks(passwordEdit, "t");
    EXPECT_EQ(password->stringValue(), u"s3cr\u00e9t");
    EXPECT_EQ(passwordEdit->echoMode(), QLineEdit::Password);
    EXPECT_EQ(window->firstResponder(), password);

    QTest::mouseClick(unlock, Qt::LeftButton);
    ASSERT_EQ(target->calls.size(), 1u);
    EXPECT_EQ(target->calls[0].first, u"unlock:");
    EXPECT_EQ(target->calls[0].second, button.get());

    // The model's changes show, and a text the model refuses does not stay in the widget.
    name->setStringValue(u"Journal");
    EXPECT_EQ(nameEdit->text(), "Journal");
    name->setEditable(false);
    EXPECT_FALSE(nameEdit->isVisible());
    QTest::keyClicks(nameEdit, "x");
    EXPECT_EQ(name->stringValue(), u"Journal");
    EXPECT_EQ(nameEdit->text(), "Journal");
    button->setEnabled(false);
    QTest::mouseClick(unlock, Qt::LeftButton);
    EXPECT_EQ(target->calls.size(), 1u);

    const auto labels = widget->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](const QLabel* shown) {
        return shown->isVisible() && shown->text() == "Master password";
    }));
}

TEST_F(WindowWidgetTest, FramesFollowTheModelAndResizesComeBackBounded) {
    const auto window = shownWindow(content, {100, 200, 400, 300});
    window->setMinSize({300, 200});
    window->setMaxSize({500, 400});
    gui::WindowWidget* widget = widgetOf(*window);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int menuBar = widget->geometry().height() - (300 - 22);

    // The model's lower-left origin becomes Qt's top left, below the title bar.
    EXPECT_EQ(widget->geometry().topLeft(),
              QPoint(screen.x() + 100, screen.y() + screen.height() - 500 + 22));
    window->setFrame({150, 100, 450, 350}, true);
    EXPECT_EQ(widget->geometry(), QRect(screen.x() + 150, screen.y() + screen.height() - 450 + 22,
                                        450, 350 - 22 + menuBar));

    widget->resize(2000, 2000);
    ASSERT_TRUE(waitUntil([&] { return window->frame().size == Size{500, 400}; }));
    EXPECT_EQ(window->frame().maxY(), 450); // the top edge stays
    EXPECT_EQ(widget->size(), QSize(500, 400 - 22 + menuBar));

    // Moving places the window's frame, the window manager's border included.
    widget->move(screen.x() + 40, screen.y() + 60);
    const auto movedTo = [&] {
        const QRect moved = widget->geometry();
        return Point{double(moved.x() - screen.x()),
                     double(screen.y() + screen.height() - moved.y() + 22 - 400)};
    };
    ASSERT_TRUE(waitUntil([&] { return widget->geometry().x() != screen.x() + 150; }));
    ASSERT_TRUE(waitUntil([&] { return window->frame().origin == movedTo(); }));
    EXPECT_EQ(window->frame().size, (Size{500, 400}));
}

class LockToolbar : public ToolbarDelegate {
public:
    std::shared_ptr<ToolbarItem> toolbar(Toolbar&, const String& identifier, bool) override {
        auto item = std::make_shared<ToolbarItem>(identifier);
        item->setLabel(u"Lock");
        item->setToolTip(u"Lock the document");
        item->setAction(u"unlock:");
        item->setTarget(target.lock());
        return item;
    }
    std::vector<String> toolbarDefaultItemIdentifiers(Toolbar&) override { return {u"Lock"}; }
    std::vector<String> toolbarAllowedItemIdentifiers(Toolbar&) override { return {u"Lock"}; }
    std::weak_ptr<Responder> target;
};

TEST_F(WindowWidgetTest, ToolbarItemsClickThroughTheModelAndHideWithIt) {
    const auto window = shownWindow(content, {100, 100, 400, 300});
    const auto delegate = std::make_shared<LockToolbar>();
    delegate->target = target;
    const auto toolbar = std::make_shared<Toolbar>(u"DocumentToolbar");
    toolbar->setDelegate(delegate);
    window->setToolbar(toolbar);
    gui::WindowWidget* widget = widgetOf(*window);
    auto* bar = widget->findChild<QToolBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), 1);
    QAction* lock = bar->actions()[0];
    EXPECT_EQ(lock->text(), "Lock");
    EXPECT_EQ(lock->toolTip(), "Lock the document");
    // The window grew by the toolbar; its content keeps the model's size.
    EXPECT_EQ(widget->centralWidget()->height(),
              static_cast<int>(window->contentRectForFrameRect(window->frame()).height()));

    lock->trigger();
    ASSERT_EQ(target->calls.size(), 1u);
    EXPECT_EQ(target->calls[0].second, toolbar->items()[0].get());

    toolbar->items()[0]->setEnabled(false);
    EXPECT_FALSE(lock->isEnabled());
    toolbar->setVisible(false);
    EXPECT_FALSE(bar->isVisible());
}

class RefusingDelegate : public WindowDelegate {
public:
    bool windowShouldClose(Window&) override { return allow; }
    bool allow = false;
};

TEST_F(WindowWidgetTest, CloseButtonAndActivationAskTheModel) {
    const auto first = shownWindow(content, {50, 300, 300, 200});
    const auto second = shownWindow(std::make_shared<View>(), {400, 300, 300, 200});
    gui::WindowWidget* firstWidget = widgetOf(*first);
    gui::WindowWidget* secondWidget = widgetOf(*second);
    ASSERT_TRUE(QTest::qWaitForWindowActive(secondWidget));
    EXPECT_TRUE(app->isActive());
    EXPECT_EQ(app->keyWindow(), second);

    // The user brings the first window to the front.
    firstWidget->activateWindow();
    ASSERT_TRUE(waitUntil([&] { return app->keyWindow() == first; }));

    const auto delegate = std::make_shared<RefusingDelegate>();
    first->setDelegate(delegate);
    firstWidget->close();
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(firstWidget->isVisible());

    delegate->allow = true;
    firstWidget->close();
    EXPECT_FALSE(first->isVisible());
    EXPECT_FALSE(firstWidget->isVisible());
    ASSERT_TRUE(waitUntil([&] { return widgetOf(*first) == nullptr; }));
    EXPECT_EQ(app->windows(), std::vector<std::shared_ptr<Window>>{second});
}

// Keeps its object's deferred deletion from running, as when the renderer goes first.
class DeferredDeleteHolder : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::DeferredDelete;
    }
};

// The widget of a closed window is deleted later; it shares the renderer's state, so it
// must not outlive the renderer and take a late activation after it.
TEST_F(WindowWidgetTest, AClosedWindowsWidgetGoesWithTheRenderer) {
    const auto window = shownWindow(content);
    const QPointer<gui::WindowWidget> widget = widgetOf(*window);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));
    DeferredDeleteHolder holder;
    widget->installEventFilter(&holder);
    window->close();
    ASSERT_TRUE(waitUntil([&] { return widgetOf(*window) == nullptr; }));
    ASSERT_FALSE(widget.isNull());

    renderer.reset();
    EXPECT_TRUE(widget.isNull());
}

} // namespace

#include "GuiTest.h"
#include "platform/ui/NumberFormatter.h"
#include "platform/ui/TextField.h"

#include <QLineEdit>

using namespace platform;

namespace {

class NumberFieldTest : public guitest::GuiTest {};

TEST_F(NumberFieldTest, LettersCannotBeTypedAndTheNumberIsTakenWhenEditingEnds) {
    const auto content = std::make_shared<View>();
    content->setLayoutHints({LayoutDirection::Column, 8, {}, {}});
    const auto size = std::make_shared<TextField>();
    const auto other = std::make_shared<TextField>();
    content->addSubview(size);
    content->addSubview(other);
    size->setObjectValue(Value(Number::float32(12.0f)));
    size->setFormatter(std::make_shared<NumberFormatter>(NumberFormatter::Style::Decimal));
    const auto window = shownWindow(content);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widgetOf(*window)));
    auto* sizeEdit = controlOf<QLineEdit>(widgetOf(*window), size);
    auto* otherEdit = controlOf<QLineEdit>(widgetOf(*window), other);
    ASSERT_TRUE(sizeEdit && otherEdit);
    EXPECT_EQ(sizeEdit->text(), "12");

    sizeEdit->selectAll();
    QTest::keyClicks(sizeEdit, "1x4.,5e");
    EXPECT_EQ(sizeEdit->text(), "14.5");
    EXPECT_EQ(size->stringValue(), u"14.5");
    QTest::keyClick(sizeEdit, Qt::Key_Return);
    EXPECT_EQ(size->objectValue(), Value(Number::float64(14.5)));

    sizeEdit->selectAll();
    QTest::keyClicks(sizeEdit, "-");
    EXPECT_EQ(sizeEdit->text(), "-");
    QTest::keyClicks(otherEdit, "x");
    EXPECT_EQ(window->firstResponder(), other);
    EXPECT_EQ(sizeEdit->text(), "14.5");
}

} // namespace

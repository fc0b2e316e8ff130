#include "driver/ui/GraphWindow.h"

#include "driver/ui/controls/XYGraph.h"
#include "tests/driver/ui/GraphFixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace qlx::test {
namespace {

using driver::GraphWindow;

// A firmness curve: three points before the trigger point, then rising.
Curve fruit()
{
    Curve curve = evenCurve(-0.06, 0.02, 200, [](double x) { return x <= 0.0 ? 0.0 : 1.2 * x - 0.1 * x * x; });
    return curve;
}

struct GraphWindowTest : ::testing::Test {
    GraphFixture g;

    void showCurve()
    {
        g.plot(fruit());
        g.form.UpDown1.position = 3;
        g.form.ShowReferenceLine(3);
        g.form.Label3.text = QStringLiteral("Energy = 0.123 Joule");
        g.form.FGraphShown = true;
    }

    template <typename T>
    T* child(GraphWindow& window, const char* name)
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};

TEST_F(GraphWindowTest, OpensHiddenAsAToolWindowWithoutCloseIcon)
{
    GraphWindow window(g.form);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("QLX Graph"));
    EXPECT_EQ(window.size(), QSize(431, 328));
    EXPECT_EQ(window.minimumSize(), QSize(340, 270));
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_EQ(window.windowType(), Qt::Tool);
    EXPECT_TRUE(flags & Qt::WindowMinMaxButtonsHint);
    EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);

    // Before the first curve the controls that need one are disabled.
    EXPECT_FALSE(child<QWidget>(window, "UpDown1")->isEnabled());
    EXPECT_FALSE(child<QToolButton>(window, "SpeedButton1")->isEnabled());
    EXPECT_FALSE(child<QAction>(window, "xy")->isEnabled());
    EXPECT_EQ(child<QLabel>(window, "Label3")->text(), QStringLiteral("Area = Energy"));
}

TEST_F(GraphWindowTest, ShowsTheStateItIsGiven)
{
    showCurve();
    GraphWindow window(g.form);
    window.refresh();
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(child<QLabel>(window, "Label1")->text(), g.form.Label1.text);
    EXPECT_EQ(child<QLabel>(window, "Label2")->text(), QStringLiteral("0.000 mm"));
    EXPECT_EQ(child<QLabel>(window, "Label3")->text(), QStringLiteral("Energy = 0.123 Joule"));
    EXPECT_TRUE(child<QToolButton>(window, "SpeedButton2")->isEnabled());
    EXPECT_TRUE(child<QAction>(window, "y")->isEnabled());
    EXPECT_TRUE(child<QAction>(window, "fine")->isChecked());
    EXPECT_EQ(child<driver::XYGraph>(window, "XYGraph1")->cursorIndex(), 3);

    QStringList captions;
    for (const QAction* action : window.popupMenu()->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(captions, (QStringList{"Copy X and  Y to clipboard", "Copy Y only to clipboard", "-",
                                     "0.01mm X axis resolution", "0.1mm X axis resolution",
                                     "0.5 mm X axis resolution"}));

    // The curve is drawn in blue.
    const QImage picture = window.grab().toImage();
    int blue = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            blue += picture.pixelColor(x, y) == QColor(0, 0, 255);
    EXPECT_GT(blue, 50);
}

TEST_F(GraphWindowTest, ForwardsClicksToTheHandlers)
{
    showCurve();
    GraphWindow window(g.form);
    window.refresh();

    QTest::mouseClick(child<QToolButton>(window, "UpDown1Up"), Qt::LeftButton);
    EXPECT_EQ(g.form.UpDown1.position, 4);
    EXPECT_EQ(child<QLabel>(window, "Label2")->text(), QStringLiteral("0.020 mm"));

    child<QAction>(window, "coarse")->trigger();
    EXPECT_TRUE(g.form.coarse.checked);
    child<QAction>(window, "y")->trigger();
    ASSERT_FALSE(g.clipboard.texts.isEmpty());
    EXPECT_TRUE(g.clipboard.texts.last().startsWith(QStringLiteral("0.000\r\n0.575\r\n")));

    QTest::mouseClick(child<QPushButton>(window, "Button1"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(g.form.FGraphShown);
}

TEST_F(GraphWindowTest, ClosingOnlyHidesTheWindow)
{
    showCurve();
    GraphWindow window(g.form);
    window.refresh();
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(g.form.FGraphShown);
    window.show(); // still usable
    EXPECT_TRUE(g.form.FGraphShown);
}

} // namespace
} // namespace qlx::test

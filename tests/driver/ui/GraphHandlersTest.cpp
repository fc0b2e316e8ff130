#include "tests/driver/ui/GraphFixture.h"

#include <gtest/gtest.h>

namespace qlx::test {
namespace {

using driver::TForm2;
using Button = TForm2::UpDownButton;

// Six points 0 … 1.25 mm every 0.25 mm, force 2 kg per mm.
Curve line()
{
    return evenCurve(0.0, 0.25, 6, [](double x) { return 2.0 * x; });
}

struct ArrowCase {
    int from;
    Button button;
    int to;
    const char* force;
    const char* deflection;
};

void PrintTo(const ArrowCase& c, std::ostream* out)
{
    *out << c.from << (c.button == Button::Up ? " up" : " down");
}

class ReferenceLineArrows : public ::testing::TestWithParam<ArrowCase> {};

TEST_P(ReferenceLineArrows, StepAndWrapAround)
{
    const ArrowCase& c = GetParam();
    GraphFixture g;
    g.plot(line());
    g.form.UpDown1.position = c.from;
    g.form.UpDown1Click(c.button);
    EXPECT_EQ(g.form.UpDown1.position, c.to);
    EXPECT_EQ(g.form.CursorIndex, c.to);
    EXPECT_EQ(g.form.Label1.text, QString::fromLatin1(c.force));
    EXPECT_EQ(g.form.Label2.text, QString::fromLatin1(c.deflection));
}

INSTANTIATE_TEST_SUITE_P(Positions, ReferenceLineArrows,
                         ::testing::Values(ArrowCase{2, Button::Up, 3, "1.50 kg", "0.750 mm"},
                                           ArrowCase{3, Button::Down, 2, "1.00 kg", "0.500 mm"},
                                           ArrowCase{5, Button::Up, 0, "0.00 kg", "0.000 mm"},
                                           ArrowCase{0, Button::Down, 5, "2.50 kg", "1.250 mm"}));

TEST(ReferenceLine, ArrowsDoNothingBeforeTheFirstCurve)
{
    GraphFixture g;
    g.form.UpDown1Click(Button::Up);
    EXPECT_EQ(g.form.UpDown1.position, 0);
    EXPECT_EQ(g.form.CursorIndex, -1);
    EXPECT_EQ(g.form.Label1.text, QStringLiteral("0.0"));
}

TEST(ReferenceLine, PictureButtonsMoveToThePenetrationPointAndTheMaximum)
{
    GraphFixture g;
    g.plot(line());
    g.cursorStart = 1;
    g.maxIndex = 4;
    g.form.SpeedButton2Click();
    EXPECT_EQ(g.form.UpDown1.position, 4);
    EXPECT_EQ(g.form.Label1.text, QStringLiteral("2.00 kg"));
    g.form.SpeedButton1Click();
    EXPECT_EQ(g.form.UpDown1.position, 1);
    EXPECT_EQ(g.form.CursorIndex, 1);
    EXPECT_EQ(g.form.Label2.text, QStringLiteral("0.250 mm"));
}

TEST(GraphWindowState, CloseRecordsTheWindowHidden)
{
    GraphFixture g;
    g.form.FGraphShown = true;
    g.form.Button1Click();
    EXPECT_FALSE(g.form.FGraphShown);
}

TEST(ResolutionItems, TheClickedOneIsTheOnlyOneChecked)
{
    GraphFixture g;
    const auto checks = [&] {
        return std::array{g.form.extrafine.checked, g.form.fine.checked, g.form.coarse.checked};
    };
    EXPECT_EQ(checks(), (std::array{false, true, false}));
    g.form.extrafineClick();
    EXPECT_EQ(checks(), (std::array{true, false, false}));
    g.form.coarseClick();
    EXPECT_EQ(checks(), (std::array{false, false, true}));
    g.form.fineClick();
    EXPECT_EQ(checks(), (std::array{false, true, false}));
}

TEST(CoordinateTable, MenuStepAndTheApiRequestTakenOnce)
{
    GraphFixture g;
    g.plot(evenCurve(0.0, 0.005, 401, [](double x) { return x; })); // 0 … 2 mm
    EXPECT_EQ(g.form.CopyGraphExecute(), 21); // the menu's 0.1 mm: 0.00 … 2.00
    g.form.coarseClick();
    EXPECT_EQ(g.form.CopyGraphExecute(), 5);

    g.form.fineClick();
    g.form.RequestCoordResolution(2);
    EXPECT_EQ(g.form.CopyGraphExecute(), 201);
    EXPECT_FALSE(g.form.FCoordResolutionSet);
    EXPECT_TRUE(g.form.fine.checked); // an API request leaves the menu alone
    g.form.xyClick();
    EXPECT_EQ(g.form.AdvStringGrid2.RowCount(), 21);

    // A request made before there is a curve waits for the next build, also
    // one started from the menu.
    g.graphReady = false;
    g.form.RequestCoordResolution(0);
    g.form.xyClick();
    EXPECT_TRUE(g.form.FCoordResolutionSet);
    g.graphReady = true;
    g.form.xyClick();
    EXPECT_EQ(g.form.AdvStringGrid2.RowCount(), 5);
    EXPECT_FALSE(g.form.FCoordResolutionSet);
}

TEST(CoordinateTable, ResolutionCodesOfTheApi)
{
    EXPECT_EQ(TForm2::CoordStep(0), 0.5);
    EXPECT_EQ(TForm2::CoordStep(1), 0.1);
    EXPECT_EQ(TForm2::CoordStep(2), 0.01);
    EXPECT_EQ(TForm2::CoordStep(3), 1.0);
    EXPECT_EQ(TForm2::CoordStep(-1), 1.0);
}

struct CopyCase {
    const char* name;
    Curve curve;
    void (TForm2::*item)();
    const char* clipboard;
};

void PrintTo(const CopyCase& c, std::ostream* out)
{
    *out << c.name;
}

class ClipboardCopies : public ::testing::TestWithParam<CopyCase> {};

TEST_P(ClipboardCopies, TabsBetweenCellsAndCrLfAfterEveryRowOfSeveral)
{
    const CopyCase& c = GetParam();
    GraphFixture g;
    g.plot(c.curve);
    g.form.coarseClick();
    (g.form.*c.item)();
    ASSERT_FALSE(g.clipboard.texts.isEmpty());
    EXPECT_EQ(g.clipboard.texts.last(), QString::fromLatin1(c.clipboard));
}

INSTANTIATE_TEST_SUITE_P(
    Items, ClipboardCopies,
    ::testing::Values(CopyCase{"BothColumns", line(), &TForm2::xyClick, "0.00\t0.000\r\n0.50\t1.000\r\n1.00\t2.000\r\n1.50\t3.000\r\n"},
                      CopyCase{"ForcesOnly", line(), &TForm2::yClick, "0.000\r\n1.000\r\n2.000\r\n3.000\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClipboardCopies, BuildAlwaysCopiesBothColumns)
{
    GraphFixture g;
    g.plot(line());
    g.form.coarseClick();
    g.form.yClick();
    ASSERT_EQ(g.clipboard.texts.size(), 2);
    EXPECT_TRUE(g.clipboard.texts.first().startsWith(QStringLiteral("0.00\t0.000\r\n")));
}

TEST(ClipboardCopies, NothingBeforeTheFirstCurve)
{
    GraphFixture g;
    g.form.xyClick();
    g.form.yClick();
    EXPECT_TRUE(g.clipboard.texts.isEmpty());
    EXPECT_EQ(g.form.AdvStringGrid2.RowCount(), 0);
}

} // namespace
} // namespace qlx::test

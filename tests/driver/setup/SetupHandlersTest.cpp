#include "tests/driver/setup/SetupFixture.h"

#include <QSignalSpy>

using namespace qlx;
using namespace qlx::test;
using Lamp = driver::TQLX32::LampColour;

class SetupHandlersTest : public SetupFixture {};

TEST_F(SetupHandlersTest, StatusBarDrawsLampsAndProbePicturesFromTheStatus)
{
    struct Expected {
        Lamp green, blue, red;
        int top, bottom;
    };
    const std::vector<std::pair<QByteArray, Expected>> cases{
        {"\x10@#", {Lamp::ButtonFace, Lamp::ButtonFace, Lamp::ButtonFace, 21, 23}},
        {"\x20@#", {Lamp::ButtonFace, Lamp::ButtonFace, Lamp::ButtonFace, 23, 22}},
        {"\x4c@#", {Lamp::Lime, Lamp::Blue, Lamp::Red, 23, 23}},
    };
    for (const auto& [status, e] : cases) {
        SCOPED_TRACE(status.toHex().constData());
        serial->deliver(status);
        const Lamp lamps[] = {e.green, e.blue, e.red};
        for (int panel = 5; panel <= 7; ++panel) {
            const auto look = qlx->StatusBar1DrawPanel(panel);
            EXPECT_EQ(look.lamp, lamps[panel - 5]);
            EXPECT_EQ(look.lowered, look.lamp != Lamp::ButtonFace);
            EXPECT_EQ(look.image, -1);
        }
        const auto top = qlx->StatusBar1DrawPanel(8);
        const auto bottom = qlx->StatusBar1DrawPanel(9);
        EXPECT_EQ(top.image, e.top);
        EXPECT_EQ(top.lowered, e.top == 21);
        EXPECT_EQ(bottom.image, e.bottom);
        EXPECT_EQ(bottom.lowered, e.bottom == 22);
    }
    EXPECT_EQ(qlx->StatusBar1DrawPanel(0).lamp, Lamp::None); // text panels are not owner-drawn
    EXPECT_EQ(qlx->StatusBar1DrawPanel(0).image, -1);
}

class TrayIconTest : public DriverFixture {};

TEST_F(TrayIconTest, ShowsTheLink)
{
    using Picture = driver::TrayIconState::Picture;
    start(); // no port
    EXPECT_EQ(qlx->TrayIcon.picture, Picture::Not);
    EXPECT_EQ(qlx->TrayIcon.tip, "Serial port not available");

    qlx->ComboBoxDeviceName.itemIndex = 0;
    qlx->ComboBoxDeviceNameChange();
    EXPECT_EQ(qlx->TrayIcon.picture, Picture::Red);
    EXPECT_EQ(qlx->TrayIcon.tip, "QLX interface installed, QLX not responding");

    serial->deliver("60382u#");
    EXPECT_EQ(qlx->TrayIcon.picture, Picture::Green);
    EXPECT_EQ(qlx->TrayIcon.tip, "QLX interface installed, QLX responding and logged in");
}

TEST_F(SetupHandlersTest, MenuAndTrayOpenTheirWindows)
{
    QSignalSpy setup(qlx.get(), &driver::TQLX32::setupRequested);
    qlx->SetupClick();
    EXPECT_EQ(setup.count(), 1);

    qlx->TrayCallback(driver::TQLX32::TrayLeftDoubleClick);
    EXPECT_EQ(windows.graphShown, 1);
    EXPECT_TRUE(graph.FGraphShown);
    qlx->TrayCallback(driver::TQLX32::TrayRightButtonUp);
    EXPECT_EQ(windows.trayMenuShown, 1);
    qlx->TrayCallback(512); // a mouse move
    EXPECT_EQ(windows.graphShown + windows.trayMenuShown, 2);

    graph.FGraphShown = false;
    qlx->ShowGraphClick();
    EXPECT_TRUE(graph.FGraphShown);
    EXPECT_EQ(windows.graphShown, 2);

    qlx->ShutDownClick();
    EXPECT_EQ(takeCommands(), QByteArrayList{"oP"});
}

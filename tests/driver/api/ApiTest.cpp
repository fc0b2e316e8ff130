#include "tests/driver/api/ApiFixture.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <cmath>
#include <thread>

using namespace qlx::test;

namespace {

QWidget* visibleWindow(const QString& title)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == title)
            return w;
    return nullptr;
}

QStringList captions(const QList<LoggedMessage>& messages)
{
    QStringList list;
    for (const LoggedMessage& m : messages)
        list.append(m.caption);
    return list;
}

} // namespace

class ApiBeforeInit : public ApiFixture {};

TEST_F(ApiBeforeInit, EveryFunctionGivesItsNeutralResult)
{
    EXPECT_EQ(QLXStatus(), -1);
    EXPECT_EQ(QLXBitStatus(1), -1);
    EXPECT_EQ(QLXBitStatus(10), -1);
    QLXGraph();
    QLXNoGraph();
    QLXRefreshSettings();
    QLXVersion(1, 2);
    QLXDelay();
    EXPECT_EQ(QLXMaxFirmnessPoint(), -1.0f);
    EXPECT_EQ(QLXGetCoordCnt(1), 0);
    EXPECT_TRUE(libraryMessages().take().isEmpty());

    EXPECT_EQ(QLXBitStatus(0), -1);
    QList<LoggedMessage> shown = libraryMessages().take();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].caption, "Parameter out of range");
    EXPECT_EQ(shown[0].text, "Invalid BIT number specified 0, valid range = 1 to 9");
}

TEST_F(ApiBeforeInit, EachCallShowsItsSequenceMessage)
{
    struct Case {
        std::function<void()> call;
        QString caption;
        QString text;
    };
    const Case cases[] = {
        {[] { QLXQuit(); }, "Quit error", "Can not call QLXQuit() before QLXInit()"},
        {[] { QLXSetup(); }, "Initialize sequence error", "Can only call QLXSetup() after QLXInit()"},
        {[] { EXPECT_EQ(QLXReadMaxFirmness(), -1.0f); }, "Call sequence error",
         "Can not call QLXReadMaxFirmness() before a calling QLXInit()"},
        {[] { EXPECT_EQ(QLXReadLastFirmness(), -1.0f); }, "Call sequence error",
         "Can not call QLXReadLastFirness() before a calling QLXInit()"},
        {[] { EXPECT_EQ(QLXReadEnergy(), -1.0f); }, "Call sequence error",
         "Can not call QLXReadEnergy() before a calling QLXInit()"},
        {[] { QLXCancel(); }, "QLX32 not initialized", "Can not call QLXCancelOperation() before a call to QLXInit()"},
        {[] { QLXDoFirmnessReading(); }, "Call sequence error",
         "Can not call QLXDoFirmnessReading() before a call to QLXInit()"},
        {[] { QLXDoAutoFirmnessReading(); }, "Call sequence error",
         "Can not call QLXDoAutoFirmnessReading() before a call to QLXInit()"},
        {[] { QLXDoFirmnessAndMass(); }, "Call sequence error",
         "Can not call QLXDoFirmnessAndMass() before a call to QLXInit()"},
        {[] { QLXDoMassReading(); }, "Call sequence error", "Can not call QLXDoMassReading() before a call to QLXInit()"},
        {[] { QLXCancelMass(); }, "Call sequence error", "Can not call QLXCancelMass() before a call to QLXInit()"},
        {[] { QLXZeroScale(); }, "Call sequence error", "Can not call QLXZeroScale() before a call to QLXInit()"},
        {[] { QLXBack(); }, "Call sequence error", "Can not call QLXBack() before a call to QLXInit()"},
        {[] { EXPECT_EQ(QLXReadSize(), -1.0f); }, "Call sequence error",
         "Can not call QLXReadSize() before a call to QLXInit()"},
        {[] { EXPECT_EQ(QLXReadMass(), -1.0f); }, "Call sequence error",
         "Can not call QLXReadMass() before a call to QLXInit()"},
        {[] { QLXSetMeasureSpeed(10); }, "Call sequence error",
         "Can not call QLXSetMeasureSpeed() before a call to QLXInit()"},
        {[] { QLXSetMeasureDistance(50); }, "Call sequence error",
         "Can not call QLXSetMeasureDistance() before a call to QLXInit()"},
        {[] { EXPECT_EQ(QLXMeasureSpeed(), -1.0f); }, "Call sequence error",
         "Can not call QLXMeasureSpeed() before a call to QLXInit()"},
        {[] { EXPECT_EQ(QLXMeasureDistance(), -1.0f); }, "Call sequence error",
         "Can not call QLXMeasureDistance() before a call to QLXInit()"},
        {[] { QLXNoScale(); }, "Error: no scale",
         "The QLX currently connected to the PC\ris not configured to support a scale\rand cannot process this command"},
    };
    for (const Case& c : cases) {
        c.call();
        const QList<LoggedMessage> shown = libraryMessages().take();
        ASSERT_EQ(shown.size(), 1) << c.text.toStdString();
        EXPECT_EQ(shown[0].caption, c.caption);
        EXPECT_EQ(shown[0].text, c.text);
    }

    // Without a graph the table calls show the sequence and the no-graph message.
    float x[4] = {}, y[4] = {};
    EXPECT_EQ(QLXGetGraphCoord(x, y, 4), 0);
    EXPECT_EQ(QLXGraphXatIdx(0), 0.0f);
    const QList<LoggedMessage> shown = libraryMessages().take();
    ASSERT_EQ(shown.size(), 4);
    EXPECT_EQ(shown[0].text, "Cannot call 'QLXGetGraphCoord' before\na call to 'QLXGetCoordCnt'.");
    EXPECT_EQ(shown[1].text, "Cannot call 'QLXGetGraphCoord' - no graph is available.");
}

class ApiLifecycle : public ApiFixture {};

TEST_F(ApiLifecycle, InitQuitTwiceAndInitAgain)
{
    startInstrument();
    initResponding();
    EXPECT_EQ(QLXBitStatus(3), 1);
    EXPECT_EQ(QLXBitStatus(9), 1); // the default instrument has a scale

    QLXInit2("/some/other/folder");
    QList<LoggedMessage> shown = libraryMessages().take();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].caption, "Initialize sequence error");
    EXPECT_EQ(shown[0].text, "Can not Initialize QLX twice,\nConsequetive calls to QLXInit() not allowed");
    EXPECT_EQ(QLXBitStatus(7), 1); // the running driver is kept

    QLXQuit();
    EXPECT_EQ(QLXStatus(), -1);
    EXPECT_TRUE(waitFor([this] { return receivedCommands().endsWith("ou"); }, 3000));
    QLXQuit();
    EXPECT_EQ(captions(libraryMessages().take()), QStringList{"Quit error"});
}

TEST_F(ApiLifecycle, ShortFolderTextsUseTheDefaultRecord)
{
    startInstrument();
    const QString defaultFolder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/QLXDLL";
    QDir().mkpath(defaultFolder);
    writeRecord(defaultFolder, sim.ptyPath());
    for (const char* folder : {"", "D"}) {
        QLXInit2(folder);
        EXPECT_TRUE(waitFor([] { return QLXBitStatus(7) == 1; })) << folder;
        QLXQuit();
        sim.process().kill();
        sim.process().waitForFinished();
        startInstrument();
        writeRecord(defaultFolder, sim.ptyPath());
    }
    QFile::remove(defaultFolder + "/QLX_DLL.CFG");
    EXPECT_TRUE(libraryMessages().take().isEmpty());
}

TEST_F(ApiLifecycle, BitNumbersAndTheSetupBit)
{
    startInstrument();
    initResponding();
    EXPECT_EQ(QLXBitStatus(10), 0);
    EXPECT_TRUE(libraryMessages().take().isEmpty());
    for (int bit : {0, 11, -3}) {
        EXPECT_EQ(QLXBitStatus(bit), 0);
        const QList<LoggedMessage> shown = libraryMessages().take();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].text, QString("Invalid BIT number specified %1, valid range = 1 to 9").arg(bit));
    }
    const int32_t word = QLXStatus();
    EXPECT_EQ(word & (4 | 64 | 256), 4 | 64 | 256);
    EXPECT_EQ(word & 8, 0);
}

class ApiCommands : public ApiFixture {
protected:
    void SetUp() override
    {
        startInstrument();
        initResponding();
    }
};

TEST_F(ApiCommands, SpeedAndDistanceRanges)
{
    struct Case {
        std::function<void()> call;
        QByteArray command; // empty: refused
        QString caption;
    };
    const Case cases[] = {
        {[] { QLXSetMeasureSpeed(5); }, "o5n", ""},
        {[] { QLXSetMeasureSpeed(20); }, "o20n", ""},
        {[] { QLXSetMeasureSpeed(4); }, "", "Incorrect Speed Setting"},
        {[] { QLXSetMeasureSpeed(21); }, "", "Incorrect Speed Setting"},
        {[] { QLXSetMeasureDistance(10); }, "o10q", ""},
        {[] { QLXSetMeasureDistance(200); }, "o200q", ""},
        {[] { QLXSetMeasureDistance(9); }, "", "Incorrect Measure Distance"},
        {[] { QLXSetMeasureDistance(201); }, "", "Incorrect Measure Distance"},
    };
    for (const Case& c : cases) {
        const qsizetype before = receivedCommands().size();
        c.call();
        if (c.command.isEmpty()) {
            settle(100);
            EXPECT_EQ(receivedCommands().size(), before);
            EXPECT_EQ(captions(libraryMessages().take()), QStringList{c.caption});
        } else {
            EXPECT_TRUE(waitFor([&] { return receivedCommands().mid(before).contains(c.command); }, 3000))
                << c.command.constData();
            EXPECT_TRUE(libraryMessages().take().isEmpty());
        }
    }
    // The instrument took the last accepted values; a settings read shows them.
    QLXRefreshSettings();
    EXPECT_TRUE(waitFor([] { return QLXMeasureSpeed() == 20.0f && QLXMeasureDistance() == 20.0f; }));
}

TEST_F(ApiCommands, ReadingCycleAndValues)
{
    measureOneFruit();
    const float last = QLXReadLastFirmness();
    const float energy = QLXReadEnergy();
    EXPECT_GT(last, 0.0f);
    EXPECT_GT(energy, 0.0f);
    EXPECT_EQ(QLXReadLastFirmness(), last); // as often as wanted until the maximum is read
    EXPECT_EQ(QLXReadEnergy(), energy);
    const float max = QLXReadMaxFirmness();
    EXPECT_GE(max, last);
    const float point = QLXMaxFirmnessPoint();
    EXPECT_GE(point, 0.0f);
    EXPECT_EQ(point, std::floor(point));
    EXPECT_EQ(QLXBitStatus(1), 0);
    EXPECT_EQ(QLXReadLastFirmness(), -1.0f);
    EXPECT_EQ(QLXReadEnergy(), -1.0f);
    EXPECT_EQ(QLXReadMaxFirmness(), -1.0f);
    EXPECT_EQ(QLXMaxFirmnessPoint(), point);

    // Size and mass come with the reading ("r" gives size; mass needs "l").
    EXPECT_TRUE(waitFor([] { return QLXBitStatus(2) == 1; }));
    EXPECT_GT(QLXReadSize(), 0.0f);
    EXPECT_EQ(QLXReadSize(), -1.0f);
    QLXDoMassReading();
    EXPECT_TRUE(waitFor([] { return QLXBitStatus(8) == 1; }));
    EXPECT_GT(QLXReadMass(), 0.0f);
    EXPECT_EQ(QLXReadMass(), -1.0f);
    EXPECT_TRUE(libraryMessages().take().isEmpty());
}

TEST_F(ApiCommands, CoordinateTableSequenceBufferAndIndexRules)
{
    EXPECT_EQ(QLXGetCoordCnt(1), 0); // before the first curve
    measureOneFruit();

    const int32_t n = QLXGetCoordCnt(1);
    ASSERT_GT(n, 10);
    std::vector<float> x(std::size_t(n) + 1, -7.0f), y(std::size_t(n) + 1, -7.0f);
    EXPECT_EQ(QLXGetGraphCoord(x.data(), y.data(), n), -1);
    EXPECT_EQ(captions(libraryMessages().take()), QStringList{"Buffer too small"});
    EXPECT_EQ(x[0], -7.0f); // nothing written

    EXPECT_EQ(QLXGetCoordCnt(1), n);
    EXPECT_EQ(QLXGetGraphCoord(x.data(), y.data(), n + 1), n);
    EXPECT_TRUE(libraryMessages().take().isEmpty());
    EXPECT_EQ(x[0], 0.0f);
    for (int32_t i = 1; i < n; ++i)
        EXPECT_NEAR(x[std::size_t(i)], i * 0.1f, 1e-4) << i;
    EXPECT_EQ(x[std::size_t(n)], -7.0f);

    // Again without a new count: the sequence message, and the same table.
    std::vector<float> x2(std::size_t(n) + 1), y2(std::size_t(n) + 1);
    EXPECT_EQ(QLXGetGraphCoord(x2.data(), y2.data(), n + 1), n);
    EXPECT_EQ(captions(libraryMessages().take()), QStringList{"Call sequence error"});
    EXPECT_TRUE(std::equal(y2.begin(), y2.begin() + n, y.begin()));

    EXPECT_EQ(QLXGraphXatIdx(0), 0.0f);
    EXPECT_EQ(QLXGraphYatIdx(n - 1), y[std::size_t(n - 1)]);
    libraryMessages().take(); // the sequence messages of the two reads
    for (int32_t index : {n, -1}) {
        EXPECT_EQ(QLXGraphXatIdx(index), 0.0f);
        EXPECT_EQ(captions(libraryMessages().take()).last(), "Application error");
    }

    // Other resolutions: 0.5 mm, 0.01 mm and any other code 1.0 mm.
    for (const auto& [resolution, step] : {std::pair{0, 0.5f}, {2, 0.01f}, {7, 1.0f}}) {
        const int32_t rows = QLXGetCoordCnt(resolution);
        ASSERT_GT(rows, 1);
        EXPECT_NEAR(QLXGraphXatIdx(1), step, 1e-4) << resolution;
        EXPECT_NEAR(rows * step, n * 0.1f, 1.0f) << resolution;
    }
    EXPECT_EQ(QLXGetGraphCoord(nullptr, nullptr, 1 << 30), -1); // missing arrays are refused
}

TEST_F(ApiCommands, BackIsSentOnlyAwayFromTheTop)
{
    measureOneFruit(); // the probe ends at the top
    ASSERT_TRUE(waitFor([] { return QLXBitStatus(5) == 1; }));
    const qsizetype before = receivedCommands().size();
    QLXBack();
    settle(150);
    EXPECT_FALSE(receivedCommands().mid(before).contains('B'));
    EXPECT_TRUE(libraryMessages().take().isEmpty());
}

TEST_F(ApiCommands, SetupBlocksWhileTheDialogIsOpenAndReadsTheSettings)
{
    int bitWhileOpen = -1;
    bool shown = false;
    QTimer::singleShot(300, [&] {
        bitWhileOpen = QLXBitStatus(10);
        if (QWidget* dialog = visibleWindow("QLX Setup x86")) {
            shown = true;
            dialog->close();
        }
    });
    const qsizetype before = receivedCommands().size();
    QLXSetup();
    EXPECT_TRUE(shown);
    EXPECT_EQ(bitWhileOpen, 1);
    EXPECT_EQ(QLXBitStatus(10), 0);
    const QByteArray sent = receivedCommands().mid(before);
    EXPECT_TRUE(sent.contains("?E") && sent.contains("?M")) << sent.constData(); // a whole settings read
    EXPECT_TRUE(libraryMessages().take().isEmpty());
}

TEST_F(ApiCommands, GraphWindowShowsTheCurveAndCloses)
{
    measureOneFruit();
    QLXGraph();
    QWidget* graph = visibleWindow("QLX Graph");
    ASSERT_NE(graph, nullptr);
    EXPECT_FALSE(graph->grab().isNull());
    QLXNoGraph();
    EXPECT_EQ(visibleWindow("QLX Graph"), nullptr);
}

class ApiWithoutScale : public ApiFixture {
protected:
    void SetUp() override
    {
        startInstrument({"--model", "5.2"});
        initResponding();
    }
};

TEST_F(ApiWithoutScale, ScaleFunctionsRefuseAndFirmnessWithMassMeasuresFirmness)
{
    EXPECT_EQ(QLXBitStatus(9), 0);
    for (const auto& call : std::initializer_list<std::function<void()>>{
             [] { QLXDoMassReading(); }, [] { QLXCancelMass(); }, [] { QLXZeroScale(); },
             [] { EXPECT_EQ(QLXReadMass(), -1.0f); }}) {
        call();
        EXPECT_EQ(captions(libraryMessages().take()), QStringList{"Error: no scale"});
    }
    const qsizetype before = receivedCommands().size();
    QLXDoFirmnessAndMass();
    EXPECT_TRUE(waitFor([] { return QLXBitStatus(1) == 1; }));
    EXPECT_TRUE(libraryMessages().take().isEmpty());
    const QByteArray sent = receivedCommands().mid(before);
    EXPECT_TRUE(sent.contains('r')) << sent.constData();
    EXPECT_FALSE(sent.contains('l'));
}

TEST_F(ApiCommands, AWatcherThreadPollsWhileReadingsRun)
{
    std::atomic<bool> stop{false};
    std::atomic<int> polls{0}, bad{0};
    std::thread watcher([&] {
        while (!stop) {
            const int32_t connected = QLXBitStatus(3);
            if (connected != 1)
                ++bad;
            QLXStatus();
            ++polls;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
    for (int i = 0; i < 3; ++i) {
        measureOneFruit();
        QLXReadMaxFirmness();
    }
    stop = true;
    watcher.join();
    EXPECT_GT(polls, 10);
    EXPECT_EQ(bad, 0);
}

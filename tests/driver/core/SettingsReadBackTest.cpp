#include "tests/driver/core/DriverFixture.h"

using namespace qlx;
using namespace qlx::test;

class SettingsReadBackTest : public DriverFixture {
protected:
    void SetUp() override
    {
        writeConfig("ttyS0");
        start();
        serial->written.clear();
    }
};

TEST_F(SettingsReadBackTest, EachReplyFillsItsDisplay)
{
    using driver::TextControl;
    struct Case {
        QByteArray reply;
        TextControl driver::TQLX32::*display;
        QString text;
        bool asksNext;
    };
    const Case cases[] = {
        {"500E?#", &driver::TQLX32::TestMass, "500", true},
        {"14000M?#", &driver::TQLX32::MaxLoad, "14000", true},
        {"50T?#", &driver::TQLX32::LoadThres, "50", true},
        {"900T?#", &driver::TQLX32::LoadThres, "500", true}, // clamped by the arrows' range
        {"0T?#", &driver::TQLX32::LoadThres, "500", true},   // unchanged, still asks on
        {"25m?#", &driver::TQLX32::MaxVel, "25", true},
        {"12n?#", &driver::TQLX32::LoadVelocity, "12", true},
        {"75q?#", &driver::TQLX32::TestDistance, "7.5", true},
        {"0q?#", &driver::TQLX32::TestDistance, "0", true},
        {"25.9p?#", &driver::TQLX32::MaxDis, "25", true},
        {"1.25g?#", &driver::TQLX32::gradien, "1.25", true},
        {" 1000 H?#", &driver::TQLX32::massratio, " 1000 ", true},
        {"8000F?#", &driver::TQLX32::clkfrequency, "8000", true},
        {"400R?#", &driver::TQLX32::stepratio, "400", false},
        {"35y?#", &driver::TQLX32::ReverseSpeed, "35", true},
        {"250000000w?#", &driver::TQLX32::WeightRatio, "0.25000000", false},
        {"0w?#", &driver::TQLX32::WeightRatio, "0.25000000", false},
        {"7d?#", &driver::TQLX32::Sensitivity, "7", false},
        {"20e?#", &driver::TQLX32::ResetThreshold, "20", false},
        {"12i?#", &driver::TQLX32::ReverseInc, "12", true},
    };
    for (const Case& c : cases) {
        serial->written.clear();
        serial->deliver(c.reply);
        EXPECT_EQ(((*qlx).*c.display).text, c.text) << c.reply.constData();
        EXPECT_EQ(!serial->written.isEmpty(), c.asksNext) << c.reply.constData();
    }
    serial->written.clear();
    serial->deliver("3I?#"); // the reply to "?I" is not decoded
    EXPECT_TRUE(serial->written.isEmpty());
}

TEST_F(SettingsReadBackTest, TheVersionIdentifiesTheInstrument)
{
    struct Case {
        QByteArray value;
        int generation, model;
        QString versionText;
        bool scale, newGeneration;
    };
    const Case cases[] = {
        {"8.41", 8, 41, "QLX version: 8.41, RV-42", true, true},
        {"8.3", 8, 3, "", false, true},
        {"5.2", 5, 2, "QLX version: 5.2, RV-36", false, false},
        {"7.12", 7, 12, "QLX version: 7.12, RV-36", true, true},
        {"6.123", 6, 23, "", false, true},
        {"7.91", 7, 91, "", false, true},
        {"abc", 0, 0, "", false, false},   // not a number: an unlisted model
        {"1e300", 0, 0, "", false, false},
        {"2.1x", 0, 0, "", false, false},
        {"", 0, 0, "", false, false},
    };
    for (const Case& c : cases) {
        qlx.reset();
        start();
        serial->written.clear();
        serial->deliver(c.value + "V?#");
        EXPECT_EQ(qlx->InstrumentGeneration, c.generation) << c.value.constData();
        EXPECT_EQ(qlx->ModelNumber, c.model) << c.value.constData();
        EXPECT_EQ(qlx->VersionText, c.versionText) << c.value.constData();
        EXPECT_EQ(bool(qlx->FHasScale), c.scale) << c.value.constData();
        EXPECT_EQ(qlx->ScaleGroup.visible, c.scale);
        EXPECT_EQ(qlx->CalibrateSCALE1.enabled, c.scale);
        EXPECT_EQ(qlx->NewGeneration, c.newGeneration) << c.value.constData();
        EXPECT_TRUE(qlx->FSettingsRead && qlx->InstrumentResponding && qlx->StatusLampRed);
        EXPECT_TRUE(qlx->TriggerScroll.enabled && qlx->TransparentButton3.enabled && qlx->ShowGraph.enabled);
        EXPECT_EQ(serial->takeWritten(), "A");
    }
}

TEST_F(SettingsReadBackTest, TheScaleStaysOnceSeenAndNewModelControlsAppear)
{
    serial->deliver("7.21V?#");
    qlx->Timer1Timer();
    EXPECT_TRUE(qlx->Ver7Panel.enabled);
    serial->deliver("5.2V?#");
    EXPECT_TRUE(qlx->FHasScale);
    EXPECT_FALSE(qlx->ScaleGroup.visible); // hidden again for the model without scale
    EXPECT_EQ(qlx->VersionText, "QLX version: 5.2, RV-36");
}

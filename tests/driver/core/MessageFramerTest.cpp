#include "driver/link/MessageFramer.h"

#include <QByteArrayList>
#include <gtest/gtest.h>

using qlx::driver::MessageFramer;

namespace {

QByteArrayList frameBursts(MessageFramer& framer, const QByteArrayList& bursts)
{
    QByteArrayList messages;
    for (const QByteArray& burst : bursts) {
        for (const char c : burst) {
            if (framer.appendSerialByte(c)) {
                messages.append(QByteArray(framer.ReceiveBuffer.data(), framer.ReceiveLength));
                framer.ReceiveLength = 0;
            }
        }
    }
    return messages;
}

} // namespace

TEST(MessageFramer, SplitsAndJoinsSerialBursts)
{
    struct Case {
        QByteArrayList bursts;
        QByteArrayList messages;
    };
    const Case cases[] = {
        {{"12M?#30T?#"}, {"12M?#", "30T?#"}},
        {{"12M", "?#"}, {"12M?#"}},
        {{"#", "A#"}, {"#", "A#"}},
        {{"1", "2", ",", "3", "l", "#"}, {"12,3l#"}},
        {{"no end yet"}, {}},
    };
    for (const Case& c : cases) {
        MessageFramer framer;
        EXPECT_EQ(frameBursts(framer, c.bursts), c.messages) << c.bursts.join('|').constData();
    }
}

TEST(MessageFramer, DropsAnOverlongMessageAndGoesOnWithTheNext)
{
    MessageFramer framer;
    const QByteArray overlong(1200, 'x');
    const QByteArray exact = QByteArray(MessageFramer::Capacity - 1, '7') + "#";
    const QByteArrayList messages = frameBursts(framer, {overlong + "#12M?#", exact, "A#"});
    EXPECT_EQ(messages, (QByteArrayList{"12M?#", exact, "A#"}));
    EXPECT_EQ(framer.droppedOverlongMessages(), 1);
}

TEST(MessageFramer, TakesOneHidReportAsOneMessage)
{
    struct Case {
        QByteArray report;
        QByteArray message;
    };
    const Case cases[] = {
        {QByteArray("\0" "60382u#\0\0", 10), "60382u#"},
        {"A#B#", "A#"},
        {"50T?", "50T?"},   // no "#": still one message
        {QByteArray(), ""}, // an empty report
        {QByteArray(64, '\0'), ""},
    };
    for (const Case& c : cases) {
        MessageFramer framer;
        framer.takeHidReport(c.report.constData(), std::size_t(c.report.size()));
        EXPECT_EQ(QByteArray(framer.ReceiveBuffer.data(), framer.ReceiveLength), c.message);
        EXPECT_EQ(framer.ReceiveBuffer[std::size_t(framer.ReceiveLength)], '\0');
    }
    MessageFramer framer;
    const QByteArray huge(2000, 'h');
    framer.takeHidReport(huge.constData(), std::size_t(huge.size()));
    EXPECT_EQ(framer.ReceiveLength, MessageFramer::Capacity);
}

#include "common/JsonLineMessageLog.h"
#include "common/MessageSeam.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qlx;

TEST(JsonLineMessageLog, WritesOneObjectPerLineWithEscapesAndFirstButton)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("messages.jsonl");
    JsonLineMessageLog log(path);

    EXPECT_EQ(log.present({"Quit error", "Can not call QLXQuit() before QLXInit()",
                           MessageIcon::Exclamation, MessageButtons::OK}),
              MessageAnswer::OK);
    EXPECT_EQ(log.present({"Warning: QLX busy", "busy,\r\"test\"\n\x01 \\ end",
                           MessageIcon::Question, MessageButtons::YesNo}),
              MessageAnswer::Yes);
    EXPECT_EQ(log.present({"c", "", MessageIcon::Information, MessageButtons::YesNoCancel}),
              MessageAnswer::Yes);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 4); // three lines and the empty rest after the last line feed
    EXPECT_EQ(lines[0], "{\"caption\":\"Quit error\",\"text\":\"Can not call QLXQuit() before "
                        "QLXInit()\",\"icon\":\"exclamation\",\"buttons\":\"OK\",\"answer\":\"OK\"}");
    EXPECT_EQ(lines[1], "{\"caption\":\"Warning: QLX busy\",\"text\":\"busy,\\r\\\"test\\\"\\n\\u0001 "
                        "\\\\ end\",\"icon\":\"question\",\"buttons\":\"YesNo\",\"answer\":\"Yes\"}");
    EXPECT_EQ(lines[2], "{\"caption\":\"c\",\"text\":\"\",\"icon\":\"information\",\"buttons\":"
                        "\"YesNoCancel\",\"answer\":\"Yes\"}");
}

TEST(JsonLineMessageLog, IsChosenByTheEnvironmentVariable)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("chosen.jsonl");
    qputenv("QLX_MESSAGE_LOG", path.toLocal8Bit());
    setMessagePresenter(nullptr);
    showMessage("Caption", "Text");
    qunsetenv("QLX_MESSAGE_LOG");
    setMessagePresenter(nullptr);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("{\"caption\":\"Caption\""));
}

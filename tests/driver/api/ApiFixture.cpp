#include "tests/driver/api/ApiFixture.h"

#include <QFile>

namespace qlx::test {

namespace {
QTemporaryDir* logDir = nullptr;

class LogEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        logDir = new QTemporaryDir;
        qputenv("QLX_MESSAGE_LOG", logDir->filePath("messages.jsonl").toLocal8Bit());
    }
};
const auto* environment = ::testing::AddGlobalTestEnvironment(new LogEnvironment);
} // namespace

MessageLog& libraryMessages()
{
    static MessageLog log(logDir->filePath("messages.jsonl"));
    return log;
}

void ApiFixture::writeRecord(const QString& folder, const QString& port)
{
    QByteArray record(1080, '\0');
    record[12] = 3;
    const QByteArray name = port.toLocal8Bit();
    record.replace(478, name.size(), name);
    QFile file(folder + "/QLX_DLL.CFG");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(record);
}

QByteArray ApiFixture::receivedCommands() const
{
    QFile file(dir.filePath("transcript.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Lines read "<seconds> in  <bytes>" for what came from the PC.
    QByteArray received;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().chopped(1);
        const qsizetype at = line.indexOf(" in  ");
        if (at >= 0)
            received += line.mid(at + 5);
    }
    return received;
}

} // namespace qlx::test

// The real serial path: QSerialPort on a pseudo-terminal, the test playing the instrument.
#include "driver/protocol/TQLX32.h"
#include "driver/settings/ConfigRecord.h"
#include "driver/ui/TForm2.h"
#include "tests/support/RecordingMessagePresenter.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using namespace qlx;

namespace {

class PseudoTerminal {
public:
    PseudoTerminal()
    {
        master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
            return;
        slavePath_ = QString::fromLocal8Bit(ptsname(master_));
        // Keep a slave open in raw mode so that the line discipline leaves bytes alone.
        slave_ = ::open(ptsname(master_), O_RDWR | O_NOCTTY);
        termios t{};
        tcgetattr(slave_, &t);
        cfmakeraw(&t);
        tcsetattr(slave_, TCSANOW, &t);
    }
    ~PseudoTerminal()
    {
        if (slave_ >= 0)
            ::close(slave_);
        if (master_ >= 0)
            ::close(master_);
    }
    QString slavePath() const { return slavePath_; }
    void write(const QByteArray& bytes) { ASSERT_EQ(::write(master_, bytes.constData(), bytes.size()), bytes.size()); }
    QByteArray read()
    {
        char buffer[256];
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        return n > 0 ? QByteArray(buffer, n) : QByteArray();
    }

private:
    int master_ = -1;
    int slave_ = -1;
    QString slavePath_;
};

// Runs the event loop until the instrument side has read `expected`.
QByteArray awaitBytes(PseudoTerminal& pty, const QByteArray& expected)
{
    QByteArray got;
    QDeadlineTimer deadline(5000);
    while (!got.contains(expected) && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        got += pty.read();
    }
    return got;
}

} // namespace

TEST(PtySerial, OpensTheStoredDeviceLogsInAndDecodesReplies)
{
    PseudoTerminal pty;
    ASSERT_FALSE(pty.slavePath().isEmpty());
    qputenv("QLX_SERIAL_PORTS", pty.slavePath().toLocal8Bit());
    QTemporaryDir dir;
    driver::ConfigRecord record;
    record.setPortName(pty.slavePath().toLocal8Bit());
    ASSERT_TRUE(record.write(dir.filePath("QLX_DLL.CFG")));
    test::ScopedRecordingPresenter messages;
    driver::TForm2 graph;

    driver::TQLX32 qlx(dir.filePath("QLX_DLL.CFG"), &graph);
    qunsetenv("QLX_SERIAL_PORTS");
    ASSERT_TRUE(qlx.SerialPortOpen()) << "the DTR/RTS refusal of a pseudo-terminal must not close it";
    EXPECT_TRUE(awaitBytes(pty, "o 70836u").contains("o 70836u"));

    pty.write("60382u#");
    EXPECT_TRUE(awaitBytes(pty, "?E").contains("?E")); // sent by the next 200 ms tick
    EXPECT_TRUE(qlx.FLoggedIn);
    pty.write("500E?#");
    EXPECT_TRUE(awaitBytes(pty, "?M").contains("?M"));
    EXPECT_EQ(qlx.TestMass.text, "500");
    EXPECT_EQ(messages->count(), 0);
}

// The qlx-sim program over a real pseudo-terminal, with raw bytes.

#include "tests/tools/qlx-sim/SimProcess.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace qlx::test {
namespace {

// The PC's end of the line, without any driver code.
class LineEnd {
public:
    explicit LineEnd(const QString& path) : fd_(::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK)) {}
    ~LineEnd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool isOpen() const { return fd_ >= 0; }

    void write(const QByteArray& bytes) { ASSERT_EQ(::write(fd_, bytes.constData(), bytes.size()), bytes.size()); }

    // Reads until `expected` has arrived or the time is up; returns everything read.
    QByteArray readUntil(const QByteArray& expected, int milliseconds = 3000)
    {
        const QDeadlineTimer deadline(milliseconds);
        while (!received_.contains(expected) && !deadline.hasExpired() && !hungUp_)
            readSome(static_cast<int>(std::min<qint64>(deadline.remainingTime(), 100)));
        return received_;
    }

    // Reads for the given time.
    QByteArray readFor(int milliseconds)
    {
        const QDeadlineTimer deadline(milliseconds);
        while (!deadline.hasExpired() && !hungUp_)
            readSome(static_cast<int>(std::min<qint64>(deadline.remainingTime(), 50)));
        return received_;
    }

    void clear() { received_.clear(); }
    bool hungUp() const { return hungUp_; }

private:
    void readSome(int waitMs)
    {
        pollfd fd{fd_, POLLIN, 0};
        if (::poll(&fd, 1, std::max(waitMs, 1)) <= 0)
            return;
        char buffer[8192];
        const ssize_t count = ::read(fd_, buffer, sizeof buffer);
        if (count > 0)
            received_.append(buffer, count);
        else if (count == 0 || (errno != EAGAIN && errno != EINTR))
            hungUp_ = true;
        if (fd.revents & POLLHUP)
            hungUp_ = true;
    }

    int fd_;
    QByteArray received_;
    bool hungUp_ = false;
};

TEST(SimProcess, ServesLoginSettingsAndAReadingUntilQuit)
{
    QTemporaryDir dir;
    const QString transcript = dir.filePath("transcript.txt");
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--transcript", transcript})) << sim.error().toStdString();
    EXPECT_TRUE(sim.ptyPath().startsWith("/dev/pts/")) << sim.ptyPath().toStdString();

    LineEnd line(sim.ptyPath());
    ASSERT_TRUE(line.isOpen());
    line.write("o 70836u");
    EXPECT_TRUE(line.readUntil("60382u#").contains("60382u#"));
    line.clear();
    line.write("?R");
    EXPECT_EQ(line.readUntil("30y?#"), "5000R?#30y?#");
    line.clear();
    line.write("r");
    const QByteArray reading = line.readUntil("D#");
    EXPECT_TRUE(reading.startsWith("i#\x04@#"));
    EXPECT_GT(reading.count("l#"), 400);
    EXPECT_TRUE(reading.contains("S#"));

    line.write("ou");
    ASSERT_TRUE(sim.waitForExit(3000));
    EXPECT_EQ(sim.exitCode(), 0);

    QFile file(transcript);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains(" in  o 70836u\n"));
    EXPECT_TRUE(text.contains(" out 60382u#P@#\n"));
    EXPECT_TRUE(text.contains(" out i#\\x04@#"));
    EXPECT_TRUE(text.contains(" in  ou\n"));
}

TEST(SimProcess, ButtonOnTheControlPipeStartsTheReadingAndTheLinkFollowsTheTerminal)
{
    QTemporaryDir dir;
    const QString control = dir.filePath("control");
    const QString link = dir.filePath("ttyQLX");
    {
        SimProcess sim;
        ASSERT_TRUE(sim.start({"--start", "button", "--control", control, "--link", link}))
            << sim.error().toStdString();
        EXPECT_EQ(QFileInfo(link).symLinkTarget(), sim.ptyPath());

        LineEnd line(link); // the link reaches the same line
        ASSERT_TRUE(line.isOpen());
        line.write("r");
        EXPECT_EQ(line.readFor(300), QByteArray());

        QFile pipe(control);
        ASSERT_TRUE(pipe.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        pipe.write("press\n");
        EXPECT_TRUE(line.readUntil("D#").contains("S#"));

        pipe.write("quit\n");
        ASSERT_TRUE(sim.waitForExit(3000));
    }
    EXPECT_FALSE(QFileInfo::exists(link)); // removed with the pipe when the simulator ends
    EXPECT_FALSE(QFileInfo::exists(control));
}

TEST(SimProcess, LosingTheLineHangsUpAfterTheReading)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--fault", "lose-line=1"})) << sim.error().toStdString();
    LineEnd line(sim.ptyPath());
    line.write("r");
    EXPECT_TRUE(line.readUntil("D#").contains("S#"));
    line.readFor(2000);
    EXPECT_TRUE(line.hungUp());
    ASSERT_TRUE(sim.waitForExit(3000));
    EXPECT_EQ(sim.exitCode(), 0);
}

TEST(SimProcess, StopsCleanlyOnTerminate)
{
    QTemporaryDir dir;
    const QString link = dir.filePath("ttyQLX");
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--link", link})) << sim.error().toStdString();
    sim.process().terminate();
    ASSERT_TRUE(sim.waitForExit(3000));
    EXPECT_EQ(sim.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(link));
}

TEST(SimProcess, HelpAndBadOptions)
{
    QProcess help;
    help.start(SimProcess::programPath(), {"--help"});
    ASSERT_TRUE(help.waitForFinished(5000));
    EXPECT_EQ(help.exitCode(), 0);
    EXPECT_TRUE(help.readAllStandardOutput().contains("--fault NAME"));

    QProcess bad;
    bad.start(SimProcess::programPath(), {"--fault", "gremlins"});
    ASSERT_TRUE(bad.waitForFinished(5000));
    EXPECT_EQ(bad.exitCode(), 2);
    EXPECT_TRUE(bad.readAllStandardError().contains("unknown fault"));

    QProcess missingCsv;
    missingCsv.start(SimProcess::programPath(), {"--csv", "/nonexistent/curve.csv"});
    ASSERT_TRUE(missingCsv.waitForFinished(5000));
    EXPECT_EQ(missingCsv.exitCode(), 1);
    EXPECT_TRUE(missingCsv.readAllStandardError().contains("curve.csv"));
}

} // namespace
} // namespace qlx::test

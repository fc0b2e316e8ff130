#pragma once
// The exported functions of the real shared library, against the virtual
// instrument on a pseudo-terminal.

#include "driver/api/qlx_dll.h"
#include "tests/driver/api/MessageLog.h"
#include "tests/tools/qlx-sim/SimProcess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace qlx::test {

// The library picks its message presenter at its first message: the log is
// set before any test runs and kept for the whole program.
MessageLog& libraryMessages();

class ApiFixture : public ::testing::Test {
protected:
    QTemporaryDir dir;
    SimProcess sim;

    void TearDown() override
    {
        if (QLXStatus() != -1)
            QLXQuit();
        libraryMessages().take();
    }

    // Starts the instrument and writes a configuration record naming it.
    void startInstrument(const QStringList& options = {})
    {
        ASSERT_TRUE(sim.start(options + QStringList{"--transcript", dir.filePath("transcript.txt")}))
            << sim.error().toStdString();
        qputenv("QLX_SERIAL_PORTS", sim.ptyPath().toLocal8Bit());
        writeRecord(dir.path(), sim.ptyPath());
    }

    static void writeRecord(const QString& folder, const QString& port);

    // Initialises with the record in the test folder and waits for the settings read.
    void initResponding()
    {
        QLXInit2(QDir::toNativeSeparators(dir.path()).toLocal8Bit().constData());
        ASSERT_TRUE(waitFor([] { return QLXBitStatus(7) == 1; })) << "the instrument did not respond";
    }

    // Lets the driver's events run until the condition holds.
    template <typename Condition>
    static bool waitFor(Condition condition, int milliseconds = 10000)
    {
        QDeadlineTimer deadline(milliseconds);
        while (!condition()) {
            if (deadline.hasExpired())
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        return true;
    }

    // Lets events run for a while (for things that must not happen).
    static void settle(int milliseconds)
    {
        waitFor([] { return false; }, milliseconds);
    }

    // Every byte the instrument received so far, in order, from its transcript.
    QByteArray receivedCommands() const;

    void measureOneFruit()
    {
        QLXDoFirmnessReading();
        ASSERT_TRUE(waitFor([] { return QLXBitStatus(1) == 1; })) << "no reading arrived";
    }
};

} // namespace qlx::test

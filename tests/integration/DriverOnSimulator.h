#pragma once
// A driver object connected to a running qlx-sim: the simulator's terminal is
// the stored serial port of a fresh configuration record.

#include "driver/protocol/TQLX32.h"
#include "driver/ui/TForm2.h"
#include "tests/support/RecordingMessagePresenter.h"
#include "tests/tools/qlx-sim/SimProcess.h"
#include "tools/qlx-sim/FruitModel.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace qlx::test {

class DriverOnSimulator {
public:
    ~DriverOnSimulator();

    // Starts qlx-sim with the arguments (and a transcript) and the driver on its terminal.
    bool start(const QStringList& simulatorArguments);

    // Runs the event loop until the condition holds; false on time-out.
    template <typename Condition>
    bool runUntil(Condition done, int milliseconds = 5000)
    {
        const QDeadlineTimer deadline(milliseconds);
        while (!done()) {
            if (deadline.hasExpired())
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        return true;
    }
    void runFor(int milliseconds);

    bool settingsRead() { return runUntil([this] { return qlx->InstrumentResponding.load(); }); }
    // Sends a reading command and waits for the decoded curve.
    bool takeReading(const QByteArray& command = "r");

    // Calls the watchdog tick until the driver closes the port (at most `limit` ticks).
    int tickUntilPortClosed(int limit = 200);

    // The bytes the driver sent, from the simulator's transcript.
    QByteArray bytesFromDriver() const;

    QString error;
    SimProcess sim;
    QTemporaryDir dir;
    ScopedRecordingPresenter messages;
    driver::TForm2 graph;
    std::unique_ptr<driver::TQLX32> qlx;
};

// The curve the driver should plot for a reading, worked out from the raw
// samples independently of the driver's code.
struct ExpectedCurve {
    std::vector<double> deflection; // mm, 0 at the trigger sample
    std::vector<double> force;      // kg
    int cursorStart = 0;
    int maxIndex = 0;
};
ExpectedCurve expectedCurve(const std::vector<sim::RawSample>& samples, long trigger,
                            double millimetresPerStep, double kilogramsPerRawForce);

// The reading the simulator takes of fruit `index` with its default settings.
sim::Reading simulatedReading(const char* fruit, std::uint64_t seed, int index);

// Compares the plotted curve with the expectation; empty when they agree.
std::string differences(const driver::TForm2& graph, const ExpectedCurve& expected);

} // namespace qlx::test

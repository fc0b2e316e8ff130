#include "tests/integration/DriverOnSimulator.h"

#include "driver/settings/ConfigRecord.h"
#include "tools/qlx-sim/Instrument.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <sstream>

namespace qlx::test {

DriverOnSimulator::~DriverOnSimulator()
{
    qlx.reset(); // the driver lets go of the port before the simulator ends
    qunsetenv("QLX_SERIAL_PORTS");
}

bool DriverOnSimulator::start(const QStringList& simulatorArguments)
{
    if (!dir.isValid() || !sim.start(simulatorArguments + QStringList{"--transcript", dir.filePath("transcript")})) {
        error = sim.error();
        return false;
    }
    qputenv("QLX_SERIAL_PORTS", sim.ptyPath().toLocal8Bit());
    driver::ConfigRecord record;
    record.setPortName(sim.ptyPath().toLocal8Bit());
    if (!record.write(dir.filePath("QLX_DLL.CFG"))) {
        error = "cannot write the configuration record";
        return false;
    }
    qlx = std::make_unique<driver::TQLX32>(dir.filePath("QLX_DLL.CFG"), &graph);
    if (!qlx->SerialPortOpen()) {
        error = "the driver did not open " + sim.ptyPath();
        return false;
    }
    return true;
}

void DriverOnSimulator::runFor(int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

bool DriverOnSimulator::takeReading(const QByteArray& command)
{
    qlx->FFirmnessReady = false;
    qlx->SendCommand(command);
    return runUntil([this] { return qlx->FFirmnessReady.load(); });
}

int DriverOnSimulator::tickUntilPortClosed(int limit)
{
    int ticks = 0;
    while (qlx->SerialPortOpen() && ticks < limit) {
        qlx->Timer2Timer();
        ++ticks;
    }
    return ticks;
}

QByteArray DriverOnSimulator::bytesFromDriver() const
{
    // Transcript lines: time, direction, bytes.
    QFile file(dir.filePath("transcript"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const qsizetype at = line.indexOf(" in  ");
        if (at >= 0)
            bytes += line.mid(at + 5);
    }
    return bytes;
}

ExpectedCurve expectedCurve(const std::vector<sim::RawSample>& samples, long trigger, double millimetresPerStep,
                            double kilogramsPerRawForce)
{
    ExpectedCurve curve;
    const auto triggerSample = std::find_if(samples.begin(), samples.end(),
                                            [trigger](const sim::RawSample& s) { return s.deflection >= trigger; });
    if (triggerSample == samples.end())
        return curve;
    const auto first = triggerSample - std::min<std::ptrdiff_t>(3, triggerSample - samples.begin());
    curve.cursorStart = static_cast<int>(triggerSample - first);
    for (auto sample = first; sample != samples.end(); ++sample) {
        curve.deflection.push_back(static_cast<double>(sample->deflection - triggerSample->deflection)
                                   * millimetresPerStep);
        curve.force.push_back(static_cast<double>(sample->force) * kilogramsPerRawForce);
    }
    curve.maxIndex = static_cast<int>(std::max_element(curve.force.begin(), curve.force.end()) - curve.force.begin());
    return curve;
}

sim::Reading simulatedReading(const char* fruit, std::uint64_t seed, int index)
{
    return sim::ProfileFruits(*sim::findProfile(fruit), seed).measure(sim::readingPlan(sim::InstrumentSettings{}), index);
}

std::string differences(const driver::TForm2& graph, const ExpectedCurve& expected)
{
    std::ostringstream out;
    if (graph.XData.size() != expected.deflection.size() || graph.YData.size() != expected.force.size()) {
        out << "plotted " << graph.XData.size() << " points, expected " << expected.deflection.size();
        return out.str();
    }
    // Within the single-precision factors the driver scales with.
    for (std::size_t i = 0; i < expected.force.size(); ++i) {
        if (std::abs(graph.XData[i] - expected.deflection[i]) > 1e-5
            || std::abs(graph.YData[i] - expected.force[i]) > 1e-6 * std::max(1.0, expected.force[i])) {
            out << "point " << i << ": plotted (" << graph.XData[i] << ", " << graph.YData[i] << "), expected ("
                << expected.deflection[i] << ", " << expected.force[i] << ")";
            return out.str();
        }
    }
    return {};
}

} // namespace qlx::test

#include "tests/tools/qlx-sim/SimProcess.h"

#include <QDeadlineTimer>

namespace qlx::test {

SimProcess::~SimProcess()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(3000)) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }
}

QString SimProcess::programPath()
{
    return QStringLiteral(QLX_SIM_PATH);
}

bool SimProcess::start(const QStringList& arguments)
{
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.setReadChannel(QProcess::StandardOutput);
    process_.start(programPath(), arguments);
    if (!process_.waitForStarted(5000)) {
        error_ = "qlx-sim did not start: " + process_.errorString();
        return false;
    }
    const QDeadlineTimer deadline(5000);
    while (!process_.canReadLine() && !deadline.hasExpired()) {
        if (process_.state() == QProcess::NotRunning)
            break;
        process_.waitForReadyRead(100);
    }
    if (!process_.canReadLine()) {
        error_ = "qlx-sim printed no terminal path; stderr: " + QString::fromLocal8Bit(process_.readAllStandardError());
        return false;
    }
    ptyPath_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    return !ptyPath_.isEmpty();
}

bool SimProcess::waitForExit(int milliseconds)
{
    return process_.state() == QProcess::NotRunning || process_.waitForFinished(milliseconds);
}

} // namespace qlx::test

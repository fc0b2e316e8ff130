#pragma once
// Starts the qlx-sim program for a test and stops it again.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace qlx::test {

class SimProcess {
public:
    SimProcess() = default;
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // Starts qlx-sim with the arguments and waits for the terminal path on its
    // first output line; false (with the reason in error()) when none came.
    bool start(const QStringList& arguments);
    QString ptyPath() const { return ptyPath_; }
    QString error() const { return error_; }

    // Waits for the program to end by itself; false on time-out.
    bool waitForExit(int milliseconds);
    int exitCode() const { return process_.exitCode(); }
    QProcess& process() { return process_; }

    static QString programPath();

private:
    QProcess process_;
    QString ptyPath_;
    QString error_;
};

} // namespace qlx::test

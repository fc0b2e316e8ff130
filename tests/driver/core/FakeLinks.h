#pragma once
// Links without hardware for the driver's unit tests.

#include "driver/link/Transports.h"

#include <QByteArrayList>
#include <QSet>

namespace qlx::test {

class FakeSerialLink final : public driver::ISerialLink {
public:
    QStringList ports{"ttyS0", "ttyUSB0"};
    QSet<QString> unopenable;
    QByteArrayList written;
    QStringList opened; // device names in the order they were opened
    bool portOpen = false;
    QByteArray input;

    QStringList systemPorts() const override { return ports; }
    bool open(const QString& deviceName) override
    {
        if (unopenable.contains(deviceName))
            return false;
        opened.append(deviceName);
        portOpen = true;
        return true;
    }
    void close() override { portOpen = false; }
    bool isOpen() const override { return portOpen; }
    void write(const QByteArray& bytes) override { written.append(bytes); }
    qint64 read(char* data, qint64 maxSize) override
    {
        const qint64 n = std::min<qint64>(maxSize, input.size());
        std::copy_n(input.constData(), n, data);
        input.remove(0, n);
        return n;
    }
    void discardInput() override { input.clear(); }

    // Bytes arrive from the instrument in one burst.
    void deliver(const QByteArray& bytes)
    {
        input.append(bytes);
        if (onReadyRead)
            onReadyRead();
    }
    QByteArray takeWritten()
    {
        const QByteArray all = written.join();
        written.clear();
        return all;
    }
};

class FakeHidLink final : public driver::IHidLink {
public:
    bool present = false;
    driver::HidCapabilities caps;
    QByteArrayList sent;

    bool findInstrument() override { return present; }
    bool hasDevice() const override { return present; }
    driver::HidCapabilities capabilities() const override { return caps; }
    void sendString(const QByteArray& text) override { sent.append(text); }
    void report(const QByteArray& bytes)
    {
        if (onReport)
            onReport(bytes);
    }
};

} // namespace qlx::test

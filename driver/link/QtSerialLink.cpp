#include "driver/link/QtSerialLink.h"

#include <QSerialPortInfo>

namespace qlx::driver {

QtSerialLink::QtSerialLink()
{
    QObject::connect(&port_, &QSerialPort::readyRead, [this] {
        if (onReadyRead)
            onReadyRead();
    });
    QObject::connect(&port_, &QSerialPort::errorOccurred, [this](QSerialPort::SerialPortError error) {
        // A vanished device ends the link: an unplugged adapter reports a
        // resource error, a hung-up pseudo-terminal read errors without end.
        if ((error == QSerialPort::ResourceError || error == QSerialPort::ReadError) && port_.isOpen()) {
            port_.close();
            if (onLost)
                onLost();
        }
    });
}

QtSerialLink::~QtSerialLink()
{
    port_.close();
}

QStringList QtSerialLink::systemPorts() const
{
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        names.append(info.portName());
    return names;
}

bool QtSerialLink::open(const QString& deviceName)
{
    if (port_.isOpen())
        port_.close();
    port_.setPortName(deviceName);
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite))
        return false;
    // A pseudo-terminal has no modem lines: that refusal does not close the port.
    port_.setDataTerminalReady(false);
    port_.setRequestToSend(false);
    port_.clearError();
    return true;
}

void QtSerialLink::close()
{
    if (port_.isOpen())
        port_.flush(); // a last command ("ou") must leave before the port closes
    port_.close();
}

bool QtSerialLink::isOpen() const
{
    return port_.isOpen();
}

void QtSerialLink::write(const QByteArray& bytes)
{
    if (port_.isOpen())
        port_.write(bytes);
}

qint64 QtSerialLink::read(char* data, qint64 maxSize)
{
    if (!port_.isOpen())
        return 0;
    const qint64 n = port_.read(data, maxSize);
    return n < 0 ? 0 : n;
}

void QtSerialLink::discardInput()
{
    if (port_.isOpen()) {
        port_.clear(QSerialPort::Input);
        port_.readAll();
    }
}

} // namespace qlx::driver

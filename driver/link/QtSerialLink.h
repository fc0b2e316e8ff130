#pragma once
#include "driver/link/Transports.h"

#include <QSerialPort>

namespace qlx::driver {

// The serial link over QSerialPort, living on the driver's thread.
class QtSerialLink final : public ISerialLink {
public:
    QtSerialLink();
    ~QtSerialLink() override;

    QStringList systemPorts() const override;
    bool open(const QString& deviceName) override;
    void close() override;
    bool isOpen() const override;
    void write(const QByteArray& bytes) override;
    qint64 read(char* data, qint64 maxSize) override;
    void discardInput() override;

private:
    QSerialPort port_;
};

} // namespace qlx::driver

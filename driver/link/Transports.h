#pragma once
// The two ways to reach the instrument. The driver owns one of each and
// uses the HID link when an instrument answers on USB, the serial link otherwise.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace qlx::driver {

class ISerialLink {
public:
    virtual ~ISerialLink() = default;

    // The machine's serial ports as the system lists them.
    virtual QStringList systemPorts() const = 0;
    // Opens the device at 9600 baud, 8N1, DTR and RTS off; false when it cannot be opened.
    virtual bool open(const QString& deviceName) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual void write(const QByteArray& bytes) = 0;
    // Reads up to maxSize pending bytes; 0 when nothing waits.
    virtual qint64 read(char* data, qint64 maxSize) = 0;
    virtual void discardInput() = 0;

    // Called on the driver's thread when bytes wait to be read.
    std::function<void()> onReadyRead;
    // Called on the driver's thread when the device went away (unplugged, peer closed).
    std::function<void()> onLost;
};

// What the HID information tree shows of the device.
struct HidCapabilities {
    int inputButtons = 0;
    int inputValues = 0;
    int outputButtons = 0;
    int outputValues = 0;
    int featureButtons = 0;
    int featureValues = 0;
};

class IHidLink {
public:
    virtual ~IHidLink() = default;

    // Looks for the first HID device whose product string is exactly "QLX" and
    // activates it; an activation error is swallowed. True when it was found.
    virtual bool findInstrument() = 0;
    virtual bool hasDevice() const = 0;
    virtual HidCapabilities capabilities() const = 0;
    // Hands one command text to the device as an output report.
    virtual void sendString(const QByteArray& text) = 0;

    // Called on the driver's thread with each input report.
    std::function<void(const QByteArray& report)> onReport;
};

} // namespace qlx::driver

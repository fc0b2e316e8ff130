#pragma once
#include "driver/link/Transports.h"

#include <QObject>
#include <atomic>
#include <thread>

struct hid_device_;

namespace qlx::driver {

// The USB HID link over hidapi. A reader thread waits for input reports and
// posts each to the thread that created the link.
class HidApiLink final : public IHidLink {
public:
    HidApiLink();
    ~HidApiLink() override;

    bool findInstrument() override;
    bool hasDevice() const override;
    HidCapabilities capabilities() const override;
    void sendString(const QByteArray& text) override;

private:
    void readLoop();
    void stopReader();

    QObject receiver_; // lives on the driver's thread; reports are queued to it
    hid_device_* device_ = nullptr;
    HidCapabilities capabilities_;
    std::atomic<bool> stopping_{false};
    std::thread reader_;
};

} // namespace qlx::driver

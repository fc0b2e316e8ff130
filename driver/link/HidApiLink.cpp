#include "driver/link/HidApiLink.h"

#include <hidapi.h>

#include <QMetaObject>
#include <cwchar>

namespace qlx::driver {
namespace {
constexpr int ReportSize = 64;
constexpr int ReadTimeoutMs = 100;
} // namespace

HidApiLink::HidApiLink() = default;

HidApiLink::~HidApiLink()
{
    stopReader();
    if (device_)
        hid_close(device_);
}

bool HidApiLink::findInstrument()
{
    if (hid_init() != 0)
        return false;
    hid_device_info* devices = hid_enumerate(0, 0);
    bool found = false;
    for (hid_device_info* d = devices; d; d = d->next) {
        if (d->product_string && std::wcscmp(d->product_string, L"QLX") == 0) {
            found = true;
            device_ = hid_open_path(d->path); // a failure is swallowed: USB mode all the same
            break;
        }
    }
    hid_free_enumeration(devices);
    if (device_) {
        stopping_ = false;
        reader_ = std::thread([this] { readLoop(); });
    }
    return found;
}

bool HidApiLink::hasDevice() const
{
    return device_ != nullptr;
}

HidCapabilities HidApiLink::capabilities() const
{
    return capabilities_;
}

void HidApiLink::sendString(const QByteArray& text)
{
    if (device_)
        hid_write(device_, reinterpret_cast<const unsigned char*>(text.constData()), size_t(text.size()));
}

void HidApiLink::readLoop()
{
    unsigned char buffer[ReportSize];
    while (!stopping_) {
        const int n = hid_read_timeout(device_, buffer, sizeof buffer, ReadTimeoutMs);
        if (n < 0)
            break; // device gone
        if (n == 0)
            continue;
        QByteArray report(reinterpret_cast<const char*>(buffer), n);
        QMetaObject::invokeMethod(&receiver_, [this, report] {
            if (onReport)
                onReport(report);
        }, Qt::QueuedConnection);
    }
}

void HidApiLink::stopReader()
{
    stopping_ = true;
    if (reader_.joinable())
        reader_.join();
}

} // namespace qlx::driver

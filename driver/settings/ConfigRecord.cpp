#include "driver/settings/ConfigRecord.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cstring>

namespace qlx::driver {

ConfigRecord::ConfigRecord()
{
    setVersion(CurrentVersion);
}

ConfigRecord::ReadResult ConfigRecord::read(const QString& path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        setVersion(CurrentVersion);
        return ReadResult::Missing;
    }
    const QByteArray data = file.read(Size);
    bytes_.fill(0);
    std::memcpy(bytes_.data(), data.constData(), std::size_t(data.size()));
    if (version() != CurrentVersion) {
        setVersion(CurrentVersion);
        return ReadResult::WrongVersion;
    }
    return ReadResult::Ok;
}

bool ConfigRecord::write(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(reinterpret_cast<const char*>(bytes_.data()), Size) != Size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::int32_t ConfigRecord::version() const
{
    const auto* p = bytes_.data() + VersionOffset;
    return std::int32_t(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
                        std::uint32_t(p[3]) << 24);
}

void ConfigRecord::setVersion(std::int32_t version)
{
    const auto v = std::uint32_t(version);
    for (int i = 0; i < 4; ++i)
        bytes_[VersionOffset + i] = std::uint8_t(v >> (8 * i));
}

QByteArray ConfigRecord::portName() const
{
    const char* start = reinterpret_cast<const char*>(bytes_.data() + PortNameOffset);
    const auto* end = std::find(start, start + PortNameCapacity, '\0');
    return QByteArray(start, end - start);
}

void ConfigRecord::setPortName(const QByteArray& name)
{
    const int length = std::min<int>(int(name.size()), PortNameCapacity - 1);
    std::memcpy(bytes_.data() + PortNameOffset, name.constData(), std::size_t(length));
    bytes_[PortNameOffset + length] = 0;
}

} // namespace qlx::driver

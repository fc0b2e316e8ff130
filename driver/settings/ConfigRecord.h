#pragma once
// The driver's configuration file: one 1080-byte record that remembers the
// serial port. Bytes the driver does not use are carried unchanged.

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

namespace qlx::driver {

class ConfigRecord {
public:
    static constexpr int Size = 1080;
    static constexpr int VersionOffset = 12;
    static constexpr int PortNameOffset = 478;
    static constexpr int PortNameCapacity = Size - PortNameOffset; // text and its NUL
    static constexpr std::int32_t CurrentVersion = 3;

    enum class ReadResult { Missing, WrongVersion, Ok };

    ConfigRecord();

    // Reads up to 1080 bytes; a shorter file keeps zero bytes for the rest.
    // A missing or unreadable file leaves the version at 3.
    ReadResult read(const QString& path);
    // Writes all 1080 bytes so that a failure never leaves a half-written file.
    bool write(const QString& path) const;

    std::int32_t version() const;
    void setVersion(std::int32_t version);

    QByteArray portName() const;
    // Stores the name, cut to fit the field with its NUL.
    void setPortName(const QByteArray& name);

    const std::array<std::uint8_t, Size>& bytes() const { return bytes_; }

private:
    std::array<std::uint8_t, Size> bytes_{};
};

} // namespace qlx::driver

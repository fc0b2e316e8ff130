#include "driver/settings/ConfigRecord.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using qlx::driver::ConfigRecord;

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(ConfigRecord, KeepsUnknownBytesAndWritesTheWholeRecord)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("QLX_DLL.CFG");
    QByteArray original(ConfigRecord::Size, '\0');
    for (int i = 0; i < ConfigRecord::Size; ++i)
        original[i] = char(i * 7);
    const char version[4] = {3, 0, 0, 0};
    original.replace(ConfigRecord::VersionOffset, 4, QByteArray(version, 4));
    original.replace(ConfigRecord::PortNameOffset, 5, QByteArray("COM3\0", 5));
    writeBytes(path, original);

    ConfigRecord record;
    ASSERT_EQ(record.read(path), ConfigRecord::ReadResult::Ok);
    EXPECT_EQ(record.portName(), "COM3");
    record.setPortName("ttyUSB0");
    ASSERT_TRUE(record.write(path));

    const QByteArray written = fileBytes(path);
    ASSERT_EQ(written.size(), ConfigRecord::Size);
    EXPECT_EQ(written.left(ConfigRecord::PortNameOffset), original.left(ConfigRecord::PortNameOffset));
    EXPECT_EQ(written.mid(ConfigRecord::PortNameOffset, 8), QByteArray("ttyUSB0\0", 8));
    EXPECT_EQ(written.mid(ConfigRecord::PortNameOffset + 8), original.mid(ConfigRecord::PortNameOffset + 8));
}

TEST(ConfigRecord, ShortMissingAndWrongVersionFiles)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("QLX_DLL.CFG");
    ConfigRecord record;
    EXPECT_EQ(record.read(dir.filePath("absent.cfg")), ConfigRecord::ReadResult::Missing);
    EXPECT_EQ(record.version(), 3);

    // A short file: the part read replaces the start, zero bytes for the rest.
    writeBytes(path, QByteArray("\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\x03\x00\x00\x00", 16));
    ASSERT_EQ(record.read(path), ConfigRecord::ReadResult::Ok);
    EXPECT_EQ(record.bytes()[0], 0xff);
    EXPECT_EQ(record.bytes()[100], 0);
    EXPECT_EQ(record.portName(), "");

    QByteArray v2(ConfigRecord::Size, '\0');
    v2[ConfigRecord::VersionOffset] = 2;
    writeBytes(path, v2);
    EXPECT_EQ(record.read(path), ConfigRecord::ReadResult::WrongVersion);
    ASSERT_TRUE(record.write(path));
    EXPECT_EQ(fileBytes(path)[ConfigRecord::VersionOffset], 3); // the next write stores version 3
}

TEST(ConfigRecord, CutsAnOverlongPortNameToTheField)
{
    ConfigRecord record;
    record.setPortName(QByteArray(2000, 'p'));
    EXPECT_EQ(record.portName(), QByteArray(ConfigRecord::PortNameCapacity - 1, 'p'));
    EXPECT_EQ(record.bytes().back(), 0);
    record.setPortName("COM1");
    EXPECT_EQ(record.portName(), "COM1");
}

TEST(ConfigRecord, AFailedWriteLeavesTheStoredFileIntact)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("QLX_DLL.CFG");
    ConfigRecord good;
    good.setPortName("COM3");
    ASSERT_TRUE(good.write(path));
    const QByteArray before = fileBytes(path);

    ConfigRecord other;
    other.setPortName("COM9");
    EXPECT_FALSE(other.write(dir.filePath("missing-folder/QLX_DLL.CFG")));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool writable = QFile(dir.filePath("probe")).open(QIODevice::WriteOnly); // root ignores modes
    if (!writable) {
        EXPECT_FALSE(other.write(path));
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(fileBytes(path), before);
}

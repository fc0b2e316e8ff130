#pragma once
// A driver object on fake links with a configuration record in a temporary folder.

#include "driver/protocol/TQLX32.h"
#include "driver/settings/ConfigRecord.h"
#include "driver/ui/TForm2.h"
#include "tests/driver/core/FakeLinks.h"
#include "tests/support/RecordingMessagePresenter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace qlx::test {

class DriverFixture : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScopedRecordingPresenter messages;
    driver::TForm2 graph;
    FakeSerialLink* serial = nullptr;
    FakeHidLink* hid = nullptr;
    std::unique_ptr<driver::TQLX32> qlx;

    QString configPath() const { return dir.filePath("QLX_DLL.CFG"); }

    void writeConfig(const QByteArray& port, std::int32_t version = 3)
    {
        driver::ConfigRecord record;
        record.setVersion(version);
        record.setPortName(port);
        ASSERT_TRUE(record.write(configPath()));
    }

    // Builds the driver; `prepare` may adjust the fake links first.
    void start(const std::function<void(FakeSerialLink&, FakeHidLink&)>& prepare = {})
    {
        auto s = std::make_unique<FakeSerialLink>();
        auto h = std::make_unique<FakeHidLink>();
        serial = s.get();
        hid = h.get();
        if (prepare)
            prepare(*s, *h);
        qlx = std::make_unique<driver::TQLX32>(configPath(), &graph,
                                               driver::Transports{std::move(s), std::move(h)});
    }

    // A driver on ttyS0 that has logged in and read its settings as a 7.21 instrument.
    void startLoggedIn(const QByteArray& stepRatio = "100", const QByteArray& firmnessRatio = "1000")
    {
        writeConfig("ttyS0");
        start();
        serial->deliver("60382u#");
        qlx->Timer2Timer();
        for (const QByteArray& reply : {QByteArray("500E?#"), QByteArray("14000M?#"), QByteArray("50T?#"),
                                        QByteArray("30m?#"), QByteArray("20n?#"), QByteArray("100q?#"),
                                        QByteArray("25p?#"), QByteArray("1.25g?#"), firmnessRatio + "H?#",
                                        QByteArray("1000F?#"), stepRatio + "R?#", QByteArray("30y?#"),
                                        QByteArray("7.21V?#")})
            serial->deliver(reply);
        qlx->Timer1Timer();
        serial->written.clear();
        messages->clear();
    }

    void deliverSamples(const std::vector<std::pair<double, double>>& forceDeflection)
    {
        QByteArray burst = "i#";
        for (const auto& [f, d] : forceDeflection)
            burst += QByteArray::number(f) + ',' + QByteArray::number(d) + "l#";
        serial->deliver(burst);
    }
};

} // namespace qlx::test

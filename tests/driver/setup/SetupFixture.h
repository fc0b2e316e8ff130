#pragma once
// A logged-in driver on fake links with fake windows.

#include "tests/driver/core/DriverFixture.h"
#include "tests/driver/setup/FakeWindows.h"

namespace qlx::test {

class SetupFixture : public DriverFixture {
protected:
    FakeWindows windows;

    void SetUp() override
    {
        startLoggedIn();
        qlx->SetWindows(&windows);
    }

    QByteArrayList takeCommands()
    {
        const QByteArrayList sent = serial->written;
        serial->written.clear();
        return sent;
    }
};

} // namespace qlx::test

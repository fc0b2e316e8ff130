// The status word, also read by other threads (the workbench's connection watcher).
#include "driver/api/DriverLibrary.h"
#include "driver/api/qlx_dll.h"

#include "common/MessageSeam.h"

#include <QMetaObject>
#include <QThread>
#include <mutex>

using namespace qlx;
using namespace qlx::api;

namespace {

int32_t statusWord()
{
    DriverLibrary& lib = library();
    std::shared_lock lock(lib.lifetime);
    if (!lib.DriverInitialized || !lib.Driver)
        return -1;
    driver::TQLX32* qlx = lib.Driver.get();
    const int32_t word = qlx->StatusWord();
    const QString text = QString::number(word);
    // The status bar belongs to the driver's thread.
    if (QThread::currentThread() == qlx->thread()) {
        qlx->StatusBar1.panels[4] = text;
    } else {
        QMetaObject::invokeMethod(qlx, [qlx, text] {
            qlx->StatusBar1.panels[4] = text;
            emit qlx->stateChanged();
        }, Qt::QueuedConnection);
    }
    return word;
}

} // namespace

extern "C" {

QLX_API int32_t QLX_CALL QLXStatus(void)
{
    return guarded<int32_t>(-1, [] { return statusWord(); });
}

QLX_API int32_t QLX_CALL QLXBitStatus(int32_t bitNumber)
{
    return guarded<int32_t>(-1, [bitNumber]() -> int32_t {
        const bool initialised = library().DriverInitialized;
        if (bitNumber < 1 || bitNumber > 10) {
            showMessage("Parameter out of range", QStringLiteral("Invalid BIT number specified %1, valid range = 1 to 9")
                                                      .arg(bitNumber));
            return initialised ? 0 : -1;
        }
        const int32_t word = statusWord();
        if (word == -1)
            return -1;
        return (word >> (bitNumber - 1)) & 1;
    });
}

} // extern "C"

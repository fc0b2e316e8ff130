#include "tests/support/TestEnvironment.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>

namespace qlx::test {
namespace {
QTemporaryDir* homeDir = nullptr;
}

void prepareProcessEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QLX_MESSAGE_LOG");
    static QTemporaryDir dir(QDir::tempPath() + "/qlx-test-home-XXXXXX");
    homeDir = &dir;
    const QString home = dir.path();
    QDir().mkpath(home + "/.config");
    QDir().mkpath(home + "/.local/share");
    QDir().mkpath(home + "/.cache");
    QDir().mkpath(home + "/Documents");
    qputenv("HOME", home.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home + "/.config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home + "/.local/share").toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (home + "/.cache").toLocal8Bit());
    qputenv("XDG_DOCUMENTS_DIR", (home + "/Documents").toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.toLocal8Bit());
}

QString testHome()
{
    return homeDir ? homeDir->path() : QString();
}

} // namespace qlx::test

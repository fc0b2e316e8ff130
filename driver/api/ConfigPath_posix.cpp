#include "driver/api/DriverLibrary.h"

#include <QDir>
#include <QStandardPaths>

namespace qlx::api {

// The machine's application data folder: $XDG_CONFIG_HOME/QLXDLL.
QString defaultConfigPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/QLXDLL";
    QDir().mkpath(folder);
    return folder + "/QLX_DLL.CFG";
}

QString configPathIn(const QString& directory)
{
    return directory + "/QLX_DLL.CFG";
}

} // namespace qlx::api

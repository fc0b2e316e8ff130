#include "driver/api/DriverLibrary.h"

namespace qlx::api {

QString defaultConfigPath()
{
    return QStringLiteral("C:\\Program Files\\QLXDLL\\QLX_DLL.CFG");
}

QString configPathIn(const QString& directory)
{
    return directory + QStringLiteral("\\QLX_DLL.CFG");
}

} // namespace qlx::api

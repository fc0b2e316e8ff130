#pragma once
#include <QString>

namespace qlx::test {

// Sets QT_QPA_PLATFORM=offscreen (when unset), a temporary HOME and XDG
// folders, and the message log off, before any Qt object exists.
void prepareProcessEnvironment();

// The temporary home folder of this test process.
QString testHome();

} // namespace qlx::test

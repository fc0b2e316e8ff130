// qlx-render-windows <folder>: draws each of the driver's windows offscreen
// and writes one PNG file per window into the folder.
#include "tools/render-windows/Renderings.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const QStringList arguments = QApplication::arguments();
    QTextStream err(stderr);
    if (arguments.size() != 2) {
        err << "usage: qlx-render-windows <folder>\n";
        return 2;
    }
    const QDir folder(arguments[1]);
    if (!folder.mkpath(QStringLiteral("."))) {
        err << "cannot create the folder " << folder.path() << "\n";
        return 1;
    }

    int failures = 0;
    for (const qlx::render::Rendering& rendering : qlx::render::renderings()) {
        const QString path = folder.filePath(rendering.fileName);
        if (rendering.render().save(path, "PNG")) {
            QTextStream(stdout) << path << "\n";
        } else {
            err << "cannot write " << path << "\n";
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

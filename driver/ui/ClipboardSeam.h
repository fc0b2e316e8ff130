#pragma once
// Where the graph window's copies go. The system clipboard in normal runs;
// tests hand in a recorder.

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

namespace qlx::driver {

class IClipboard {
public:
    virtual ~IClipboard() = default;
    virtual void setText(const QString& text) = 0;
};

class SystemClipboard final : public IClipboard {
public:
    // Without a GUI application object there is no clipboard to write to.
    void setText(const QString& text) override
    {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            QGuiApplication::clipboard()->setText(text);
    }
};

inline IClipboard& systemClipboard()
{
    static SystemClipboard clipboard;
    return clipboard;
}

} // namespace qlx::driver

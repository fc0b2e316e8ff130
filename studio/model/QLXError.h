#pragma once
// The workbench's failures: an exception that carries the exact text shown
// to the user.

#include <QString>
#include <stdexcept>

namespace qlx::studio {

class EQLXError : public std::runtime_error {
public:
    explicit EQLXError(const QString& message)
        : std::runtime_error(message.toUtf8().toStdString())
    {
    }
    QString Message() const { return QString::fromUtf8(what()); }
};

} // namespace qlx::studio

#pragma once
#include "common/MessageSeam.h"

#include <mutex>

namespace qlx {

// Unattended mode: every message becomes one JSON object on its own line,
// appended to a file; the answer is always the first button.
class JsonLineMessageLog final : public IMessagePresenter {
public:
    explicit JsonLineMessageLog(QString path);
    MessageAnswer present(const UserMessage& message) override;

    // The line written for a message, without its line feed.
    static QByteArray formatLine(const UserMessage& message, MessageAnswer answer);

private:
    QString path_;
    std::mutex mutex_;
};

} // namespace qlx

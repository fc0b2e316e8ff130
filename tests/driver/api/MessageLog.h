#pragma once
// The driver library shows its messages through its own copy of the message
// seam; the tests read them from the JSON lines of QLX_MESSAGE_LOG.

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QString>

namespace qlx::test {

struct LoggedMessage {
    QString caption;
    QString text;
};

class MessageLog {
public:
    explicit MessageLog(QString path) : path_(std::move(path)) {}

    // The messages logged since the last call.
    QList<LoggedMessage> take()
    {
        QList<LoggedMessage> messages;
        QFile file(path_);
        if (!file.open(QIODevice::ReadOnly))
            return messages;
        file.seek(offset_);
        while (!file.atEnd()) {
            const QJsonObject o = QJsonDocument::fromJson(file.readLine()).object();
            messages.append({o.value("caption").toString(), o.value("text").toString()});
        }
        offset_ = file.pos();
        return messages;
    }

private:
    QString path_;
    qint64 offset_ = 0;
};

} // namespace qlx::test

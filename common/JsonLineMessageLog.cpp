#include "common/JsonLineMessageLog.h"

#include <QFile>

namespace qlx {
namespace {

void appendJsonString(QByteArray& out, const QString& text)
{
    out += '"';
    for (const char16_t c : text.toStdU16String()) {
        switch (c) {
        case u'"': out += "\\\""; break;
        case u'\\': out += "\\\\"; break;
        case u'\n': out += "\\n"; break;
        case u'\r': out += "\\r"; break;
        case u'\t': out += "\\t"; break;
        case u'\b': out += "\\b"; break;
        case u'\f': out += "\\f"; break;
        default:
            if (c < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(c));
                out += escaped;
            } else {
                out += QString(QChar(c)).toUtf8();
            }
        }
    }
    out += '"';
}

} // namespace

JsonLineMessageLog::JsonLineMessageLog(QString path) : path_(std::move(path)) {}

QByteArray JsonLineMessageLog::formatLine(const UserMessage& message, MessageAnswer answer)
{
    QByteArray line = "{\"caption\":";
    appendJsonString(line, message.caption);
    line += ",\"text\":";
    appendJsonString(line, message.text);
    line += ",\"icon\":\"";
    line += iconName(message.icon);
    line += "\",\"buttons\":\"";
    line += buttonsName(message.buttons);
    line += "\",\"answer\":\"";
    line += answerName(answer);
    line += "\"}";
    return line;
}

MessageAnswer JsonLineMessageLog::present(const UserMessage& message)
{
    const MessageAnswer answer = firstButton(message.buttons);
    std::lock_guard lock(mutex_);
    QFile file(path_);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write(formatLine(message, answer) + '\n');
    return answer;
}

} // namespace qlx

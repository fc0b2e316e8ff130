#include "driver/ui/controls/HintMarkup.h"

namespace qlx::driver {
namespace {

// Applies a style tag such as "b" or "/b"; false when the text is no tag.
bool applyStyleTag(const QString& name, HintRun& style)
{
    const bool closing = name.startsWith(u'/');
    const QString letter = closing ? name.mid(1) : name;
    bool* flag = nullptr;
    if (letter == u"b")
        flag = &style.bold;
    else if (letter == u"i")
        flag = &style.italic;
    else if (letter == u"u")
        flag = &style.underline;
    else if (letter == u"s")
        flag = &style.strikeOut;
    if (!flag)
        return false;
    *flag = !closing;
    return true;
}

} // namespace

HintLine parseHintLine(const QString& line)
{
    HintLine result;
    HintRun current;
    const auto flush = [&] {
        if (!current.text.isEmpty())
            result.runs.push_back(current);
        current.text.clear();
    };

    qsizetype pos = 0;
    while (pos < line.size()) {
        const qsizetype close = line[pos] == u'<' ? line.indexOf(u'>', pos + 1) : -1;
        if (close < 0) {
            current.text += line[pos++];
            continue;
        }
        const QString name = line.mid(pos + 1, close - pos - 1).toLower();
        HintRun style = current;
        if (name == u"c" || name == u"r") {
            result.alignment = name == u"c" ? Qt::AlignHCenter : Qt::AlignRight;
        } else if (applyStyleTag(name, style)) {
            flush();
            current = style;
            current.text.clear();
        } else {
            current.text += line[pos++]; // not a tag: the "<" is text
            continue;
        }
        pos = close + 1;
    }
    flush();
    return result;
}

QString hintPlainText(const HintLine& line)
{
    QString text;
    for (const HintRun& run : line.runs)
        text += run.text;
    return text;
}

} // namespace qlx::driver

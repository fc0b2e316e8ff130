#pragma once
// The mark-up of the hint box, one line at a time:
//   <b>…</b> bold, <i>…</i> italic, <u>…</u> underlined, <s>…</s> struck out;
//   <c> centres the line, <r> aligns it right (usually at its start).
// Tags are case-insensitive, styles end at the end of their line, and any
// other "<…>" is shown as it stands.

#include <QString>
#include <QStringList>
#include <Qt>
#include <vector>

namespace qlx::driver {

struct HintRun {
    QString text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const HintRun&) const = default;
};

struct HintLine {
    Qt::Alignment alignment = Qt::AlignLeft;
    std::vector<HintRun> runs;
};

HintLine parseHintLine(const QString& line);

// The text without its tags, as a reader sees it.
QString hintPlainText(const HintLine& line);

} // namespace qlx::driver

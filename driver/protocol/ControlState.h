#pragma once
// Widget-free state of the driver's dialog controls. The driver logic reads
// and writes these; the Qt windows render them and forward clicks.

#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>

namespace qlx::driver {

// A label, a value display, a panel or a button.
struct TextControl {
    QString text;
    bool enabled = true;
    bool visible = true;
};

// An arrow pair (up-down control) with its own range.
struct UpDownControl {
    int min = 0;
    int max = 100;
    int position = 0;
    int increment = 1;
    bool wrap = false;
    bool enabled = true;
    bool visible = true;

    // Sets the position clamped to the range and returns what the control reports back.
    int setPosition(int value)
    {
        position = std::clamp(value, min, std::max(min, max));
        return position;
    }
};

struct GaugeControl {
    int minValue = 0;
    int maxValue = 11;
    int progress = 0;
    bool visible = false;
};

struct MemoControl {
    QStringList lines;
};

struct MenuItemControl {
    bool enabled = true;
    bool checked = false;
    bool visible = true;
};

struct ComboBoxControl {
    QStringList items;
    int itemIndex = -1;
    bool enabled = true;

    QString text() const { return itemIndex >= 0 && itemIndex < items.size() ? items[itemIndex] : QString(); }
};

struct StatusBarControl {
    std::array<QString, 10> panels;
};

// The notification-area icon as the link shows it.
struct TrayIconState {
    enum class Picture { Not, Red, Green };
    Picture picture = Picture::Not;
    QString tip;
    bool added = false;
};

} // namespace qlx::driver

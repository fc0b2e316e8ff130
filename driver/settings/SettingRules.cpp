#include "driver/settings/SettingRules.h"

#include <algorithm>
#include <array>
#include <utility>

namespace qlx::driver {
namespace {

constexpr std::array<std::pair<SettingBit, const char*>, 8> ListLines{{
    {TriggerThresholdBit, "Trigger Threshold,\n"},
    {ForwardSpeedBit, "Forward Speed,\n"},
    {ReverseSpeedBit, "Reverse Speed,\n"},
    {MeasureSpeedBit, "Measure Speed,\n"},
    {MeasureDistanceBit, "Measure Distance,\n"},
    {ScaleSensitivityBit, "Scale Sensitivity,\n"},
    {ScaleResetThresholdBit, "Scale Reset Threshold,\n"},
    {ReverseIncrementBit, "Reverse Increment,\n"},
}};

} // namespace

bool isMotionSetting(SettingBit bit)
{
    switch (bit) {
    case ForwardSpeedBit:
    case ReverseSpeedBit:
    case MeasureSpeedBit:
    case MeasureDistanceBit:
    case ReverseIncrementBit:
        return true;
    default:
        return false;
    }
}

int steppedValue(int value, bool up, int step, int min, int max)
{
    // Widened, so that a display holding a huge number cannot overflow.
    const long long next = static_cast<long long>(value) + (up ? step : -step);
    return static_cast<int>(std::clamp<long long>(next, min, max));
}

QString unsavedChangesQuestion(int changedSettings, int changedCount)
{
    const bool single = changedCount < 2;
    QString text = single ? QStringLiteral("The following operating parameter was\nchanged and not saved on the QLX :\n\n")
                          : QStringLiteral("The following operating parameters were\nchanged and not saved on the QLX :\n\n");
    for (const auto& [bit, line] : ListLines) {
        if (changedSettings & bit)
            text += QLatin1String(line);
    }
    text.chop(2); // the last ",\n"
    text += single ? QStringLiteral(".\n\nIf not saved, the QLX will only keep the\n new setting untill power is turned off."
                                    "\n\nDo you wish to save the new setting?")
                   : QStringLiteral(".\n\nIf not saved, the QLX will only keep the\n new settings untill power is turned off."
                                    "\n\nDo you wish to save the new settings?");
    return text;
}

} // namespace qlx::driver

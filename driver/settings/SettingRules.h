#pragma once
// The rules of the instrument settings that the setup dialog changes: the
// unsaved-change bits with their list lines, the arrow steps and the
// question asked when the dialog closes with unsaved changes.

#include <QString>

namespace qlx::driver {

// One bit per changeable setting, in the order the question lists them.
enum SettingBit : int {
    TriggerThresholdBit = 1,
    ForwardSpeedBit = 2,
    ReverseSpeedBit = 4,
    MeasureSpeedBit = 8,
    MeasureDistanceBit = 16,
    ScaleSensitivityBit = 32,
    ScaleResetThresholdBit = 64,
    ReverseIncrementBit = 128,
};

// Whether a change of the setting makes the closing dialog send "A".
bool isMotionSetting(SettingBit bit);

// One arrow step: value plus or minus step, clamped to min … max.
int steppedValue(int value, bool up, int step, int min, int max);

// The question of the closing dialog for the settings changed and not saved.
QString unsavedChangesQuestion(int changedSettings, int changedCount);

} // namespace qlx::driver

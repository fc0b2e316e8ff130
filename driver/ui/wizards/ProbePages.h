#pragma once
// The two first steps that the probe calibration and its check share.

#include "driver/ui/wizards/WizardDialog.h"

namespace qlx::driver {

// Step 1: release the thumb screws and take the probe assembly out.
WizardDialog::PageContent removeProbePage(std::function<void()> next);
// Step 2: the assembly upside down on the support pad; `procedure` names
// what the user must not disturb ("calibration", "check").
WizardDialog::PageContent probeUpsideDownPage(const QString& procedure, std::function<void()> next);

} // namespace qlx::driver

#pragma once
// "Calibrate EFM": the calibration of the fruit-size strap on the 50/20 mm
// calibration disk (TForm13). The instrument's replies move it on.

#include "driver/ui/wizards/WizardDialog.h"

namespace qlx::driver {

struct TForm13;

class EfmCalibrateDialog : public WizardDialog {
    Q_OBJECT
public:
    EfmCalibrateDialog(TQLX32& driver, TForm13& wizard, QWidget* parent = nullptr);
};

} // namespace qlx::driver

#pragma once
// "Auto Calibration": the probe calibration wizard (TAutoCalibrate).

#include "driver/ui/wizards/WizardDialog.h"

namespace qlx::driver {

struct TAutoCalibrate;

class AutoCalibrateDialog : public WizardDialog {
    Q_OBJECT
public:
    AutoCalibrateDialog(TQLX32& driver, TAutoCalibrate& wizard, QWidget* parent = nullptr);

protected:
    void refreshPageControls() override;
    void activated() override;
    void shown() override;

private:
    TAutoCalibrate& wizard_;
    QProgressBar* ProgressBar1 = nullptr;
};

} // namespace qlx::driver

#pragma once
// "Calibration Check Procedure": live load-cell readings with the weight on
// the probe (TCheckCalibrate).

#include "driver/ui/wizards/WizardDialog.h"

namespace qlx::driver {

struct TCheckCalibrate;

class CheckCalibrateDialog : public WizardDialog {
    Q_OBJECT
public:
    CheckCalibrateDialog(TQLX32& driver, TCheckCalibrate& wizard, QWidget* parent = nullptr);

protected:
    void refreshPageControls() override;
    void activated() override;
    void shown() override;

private:
    TCheckCalibrate& wizard_;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
};

} // namespace qlx::driver

#pragma once
// "Scale Calibration ": the scale calibration wizard (TForm4).

#include "driver/ui/wizards/WizardDialog.h"

namespace qlx::driver {

struct TForm4;

class ScaleCalibrateDialog : public WizardDialog {
    Q_OBJECT
public:
    ScaleCalibrateDialog(TQLX32& driver, TForm4& wizard, QWidget* parent = nullptr);

protected:
    void refreshPageControls() override;

private:
    TForm4& wizard_;
    QProgressBar* CGauge1 = nullptr;
    QProgressBar* CGauge2 = nullptr;
};

} // namespace qlx::driver

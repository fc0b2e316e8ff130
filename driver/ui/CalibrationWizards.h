#pragma once
// Widget-free state of the four calibration wizards, as far as the reply
// decoding and the one-shot timer move them on.

#include "driver/protocol/ControlState.h"

namespace qlx::driver {

struct WizardState {
    QString activePage;
};

// Probe calibration: "Auto Calibration".
struct TAutoCalibrate : WizardState {
    UpDownControl ProgressBar1{0, 500, 0, 1, false, true, false};
};

// Calibration check: "Calibration Check Procedure".
struct TCheckCalibrate : WizardState {
    TextControl Label1;
};

// Scale calibration: "Scale Calibration ".
struct TForm4 : WizardState {
    GaugeControl CGauge1{0, 100, 0, false};
    GaugeControl CGauge2{0, 7, 0, false};
};

// EFM calibration: "Calibrate EFM".
struct TForm13 : WizardState {};

} // namespace qlx::driver

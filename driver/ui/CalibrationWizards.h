#pragma once
// Widget-free logic of the four calibration wizards: pages, button handlers
// and the commands they send. The reply decoding moves their progress
// indicators, and Timer1 switches their pages (activePage); the Qt dialogs
// in driver/ui/wizards render them and forward the clicks.

#include "driver/protocol/ControlState.h"

#include <QMetaObject>

namespace qlx::driver {

class TQLX32;

enum class ModalResult { None, OK, Cancel };

// The calibration weight: a field that cannot be typed into, changed by
// 50 g per arrow click within its bounds.
struct MassField {
    int min = 0;
    int max = 0;
    int value = 0;

    void set(int grams);
    void step(bool up) { set(value + (up ? 50 : -50)); }
};

struct WizardState {
    // Without a driver the wizard only holds its state (the decoder's tests).
    explicit WizardState(TQLX32* driver, const QString& firstPage);
    virtual ~WizardState();
    WizardState(const WizardState&) = delete;
    WizardState& operator=(const WizardState&) = delete;

    QString activePage;
    // Set when the wizard closes; the dialog then ends its modal loop.
    ModalResult modalResult = ModalResult::None;

    // The Cancel of the page shown; closing the window also comes here.
    virtual void CancelClick() = 0;

protected:
    void send(const QByteArray& command);
    void ShowPage(const QString& page);
    void Close(ModalResult result);
    // Sends "o" and the mass command, and shows the mass in the setup dialog.
    void SendMass(int grams);
    // Step 1 of the probe wizards: the carriage retracts unless it is at the top.
    void RetractProbe();
    // Finish after a calibration: the instrument stores it.
    void SaveCalibration();
    // A page was shown, by a button or by Timer1.
    virtual void PageShown(const QString& page);
    virtual void FormClose() {}

    TQLX32* driver_;

private:
    void NoticePageSwitch();

    QString shownPage_;
    QMetaObject::Connection stateConnection_;
};

// Probe calibration: "Auto Calibration".
struct TAutoCalibrate : WizardState {
    explicit TAutoCalibrate(TQLX32* driver = nullptr);

    UpDownControl ProgressBar1{0, 500, 0, 1, false, true, false};
    MassField SpinEdit1{500, 14000, 500};

    void FormShow();
    void FormActivate();
    void UpDown1Click(bool up) { SpinEdit1.step(up); }
    void ContinueClick();  // Confirm Mass (TabSheet5)
    void Step1NextClick(); // TabSheet1
    void Step2NextClick(); // TabSheet2
    void Step3NextClick(); // TabSheet3
    void FinishClick();    // TabSheet4
    void CancelClick() override;
};

// Calibration check: "Calibration Check Procedure". Nothing is stored.
struct TCheckCalibrate : WizardState {
    explicit TCheckCalibrate(TQLX32* driver = nullptr);

    TextControl Label1; // the result; the decoder writes each reading here
    TextControl Label2{QStringLiteral("The reading below should be the same as the weight on the probe tip:"), true,
                       false};

    void FormShow();
    void FormActivate();
    void Step1NextClick();
    void Step2NextClick();
    void Label1Click(); // starts the load cell's data feed, once
    void Step3NextClick();
    void FinishClick();
    void CancelClick() override;

protected:
    void FormClose() override;
};

// Scale calibration: "Scale Calibration ".
struct TForm4 : WizardState {
    explicit TForm4(TQLX32* driver = nullptr);

    GaugeControl CGauge1{0, 100, 0, false}; // stage 2, moved by 'e'
    GaugeControl CGauge2{0, 7, 0, false};   // stage 1, moved by 'd'
    TextControl Panel3{QString(), true, false}; // stage-1 progress panel
    TextControl Panel4{QString(), true, false}; // stage-2 progress panel
    MassField SpinEdit1{50, 20000, 50};

    void UpDown1Click(bool up) { SpinEdit1.step(up); }
    void ContinueClick();  // mass page (TabSheet4)
    void Stage1OkClick();  // TabSheet1
    void Step2OkClick();   // TabSheet2
    void FinishClick();    // TabSheet3
    void CancelClick() override;

protected:
    void PageShown(const QString& page) override;
};

// EFM calibration: "Calibrate EFM".
struct TForm13 : WizardState {
    explicit TForm13(TQLX32* driver = nullptr);

    void OkClick();       // the "OK" page (TabSheet4)
    void ContinueClick(); // success page (TabSheet3)
    void CancelClick() override;
};

} // namespace qlx::driver

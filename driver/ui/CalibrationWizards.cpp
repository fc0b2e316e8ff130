#include "driver/ui/CalibrationWizards.h"

#include "driver/protocol/TQLX32.h"

#include <algorithm>

namespace qlx::driver {

void MassField::set(int grams)
{
    value = std::clamp(grams, min, max);
}

WizardState::WizardState(TQLX32* driver, const QString& firstPage)
    : activePage(firstPage), driver_(driver), shownPage_(firstPage)
{
    if (driver_)
        stateConnection_ = QObject::connect(driver_, &TQLX32::stateChanged, [this] { NoticePageSwitch(); });
}

WizardState::~WizardState()
{
    QObject::disconnect(stateConnection_);
}

void WizardState::send(const QByteArray& command)
{
    if (driver_)
        driver_->SendCommand(command);
}

void WizardState::ShowPage(const QString& page)
{
    activePage = page;
    NoticePageSwitch();
}

// Timer1 switches pages by setting activePage; the page's own showing
// steps run when the change is noticed.
void WizardState::NoticePageSwitch()
{
    if (activePage == shownPage_)
        return;
    shownPage_ = activePage;
    PageShown(activePage);
}

void WizardState::PageShown(const QString&) {}

void WizardState::Close(ModalResult result)
{
    if (modalResult != ModalResult::None)
        return;
    modalResult = result;
    FormClose();
}

void WizardState::SendMass(int grams)
{
    send("o");
    send(QByteArray::number(grams) + "E");
    if (driver_) {
        driver_->TestMass.text = QString::number(grams);
        emit driver_->stateChanged();
    }
}

void WizardState::RetractProbe()
{
    if (driver_ && !driver_->ProbeAtTop)
        send(driver_->NewGeneration ? "Y" : "B");
}

void WizardState::SaveCalibration()
{
    send("oQ");
    if (driver_) {
        driver_->FSavingSettings = true;
        emit driver_->stateChanged();
    }
}

// ---- probe calibration ------------------------------------------------------

TAutoCalibrate::TAutoCalibrate(TQLX32* driver) : WizardState(driver, QStringLiteral("TabSheet5")) {}

void TAutoCalibrate::FormShow() { send("o"); }

void TAutoCalibrate::FormActivate() { ShowPage(QStringLiteral("TabSheet5")); }

void TAutoCalibrate::ContinueClick()
{
    SendMass(SpinEdit1.value);
    ProgressBar1.visible = false;
    ShowPage(QStringLiteral("TabSheet1"));
}

void TAutoCalibrate::Step1NextClick()
{
    ShowPage(QStringLiteral("TabSheet2"));
    RetractProbe();
}

void TAutoCalibrate::Step2NextClick()
{
    ShowPage(QStringLiteral("TabSheet3"));
    send("o");
    send("C");
}

void TAutoCalibrate::Step3NextClick()
{
    send("o");
    send("G");
    ProgressBar1.position = 0;
    ProgressBar1.visible = true;
}

void TAutoCalibrate::FinishClick()
{
    SaveCalibration();
    Close(ModalResult::OK);
}

void TAutoCalibrate::CancelClick()
{
    send("o");
    send("L");
    ProgressBar1.visible = false;
    Close(ModalResult::Cancel);
}

// ---- calibration check --------------------------------------------------------

TCheckCalibrate::TCheckCalibrate(TQLX32* driver) : WizardState(driver, QStringLiteral("TabSheet1")) {}

void TCheckCalibrate::FormShow() { send("o"); }

void TCheckCalibrate::FormActivate() { ShowPage(QStringLiteral("TabSheet1")); }

void TCheckCalibrate::Step1NextClick()
{
    ShowPage(QStringLiteral("TabSheet2"));
    RetractProbe();
}

void TCheckCalibrate::Step2NextClick()
{
    Label2.visible = false;
    Label1.text = QStringLiteral("Click to view result...");
    ShowPage(QStringLiteral("TabSheet3"));
    send("o");
    send("Z");
}

void TCheckCalibrate::Label1Click()
{
    if (Label2.visible)
        return; // the feed runs already
    send("o");
    send("X");
    Label2.visible = true;
}

void TCheckCalibrate::Step3NextClick()
{
    send("o"); // the feed stops
    ShowPage(QStringLiteral("TabSheet4"));
}

void TCheckCalibrate::FinishClick()
{
    send("o");
    Close(ModalResult::OK);
}

void TCheckCalibrate::CancelClick()
{
    send("o");
    Close(ModalResult::Cancel);
}

void TCheckCalibrate::FormClose() { send("o"); }

// ---- scale calibration ------------------------------------------------------------

TForm4::TForm4(TQLX32* driver) : WizardState(driver, QStringLiteral("TabSheet4")) {}

void TForm4::ContinueClick()
{
    CGauge1 = {0, 100, 0, CGauge1.visible};
    SendMass(SpinEdit1.value);
    ShowPage(QStringLiteral("TabSheet1"));
}

void TForm4::Stage1OkClick()
{
    Panel3.visible = true;
    CGauge2 = {0, 7, 0, true};
    send("oa");
}

void TForm4::PageShown(const QString& page)
{
    if (page == QLatin1String("TabSheet2"))
        CGauge1 = {0, 50, 0, CGauge1.visible};
}

void TForm4::Step2OkClick()
{
    CGauge1.progress = 0;
    CGauge1.visible = true;
    Panel4.visible = true;
    send("ob");
}

void TForm4::FinishClick()
{
    SaveCalibration();
    Close(ModalResult::OK);
}

void TForm4::CancelClick()
{
    send("o");
    Close(ModalResult::Cancel);
}

// ---- EFM calibration -----------------------------------------------------------------

TForm13::TForm13(TQLX32* driver) : WizardState(driver, QStringLiteral("TabSheet1")) {}

void TForm13::OkClick()
{
    send("ok");
    ShowPage(QStringLiteral("TabSheet2"));
}

void TForm13::ContinueClick()
{
    SaveCalibration();
    Close(ModalResult::OK);
}

// Also while the instrument waits for the EFM switch: the stop command
// keeps it from taking a calibration point after the wizard has gone.
void TForm13::CancelClick()
{
    send("o");
    Close(ModalResult::Cancel);
}

} // namespace qlx::driver

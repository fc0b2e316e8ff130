#include "driver/ui/wizards/AutoCalibrateDialog.h"

#include "driver/ui/CalibrationWizards.h"
#include "driver/ui/wizards/ProbePages.h"

#include <QProgressBar>
#include <QVBoxLayout>

namespace qlx::driver {

AutoCalibrateDialog::AutoCalibrateDialog(TQLX32& driver, TAutoCalibrate& wizard, QWidget* parent)
    : WizardDialog(driver, wizard, QStringLiteral("Auto Calibration"), parent), wizard_(wizard)
{
    setObjectName(QStringLiteral("AutoCalibrate"));
    TAutoCalibrate& w = wizard_;
    QVBoxLayout* mass = addPage({QStringLiteral("TabSheet5"), WizardPicture::CalibrationWeight, {},
                                 {QStringLiteral("<b>Confirm Mass</b>"), QString(),
                                  QStringLiteral("Verify the mass of the calibration weight, or change it with "
                                                 "the arrows."),
                                  QStringLiteral("Then click <b>Continue</b>.")},
                                 {{QStringLiteral("Continue"), [&w] { w.ContinueClick(); }}}});
    addMassRow(mass, w.SpinEdit1);

    addPage(removeProbePage([&w] { w.Step1NextClick(); }));

    addPage(probeUpsideDownPage(QStringLiteral("calibration"), [&w] { w.Step2NextClick(); }));

    QVBoxLayout* weigh = addPage(
        {QStringLiteral("TabSheet3"), WizardPicture::WeightOnProbeTip,
         {QStringLiteral("Position calibration weight on tip of probe")},
         {QStringLiteral("<b>Step 3</b>"), QString(),
          QStringLiteral("The QLX beeps three times. Wait for the last beep."),
          QStringLiteral("Balance the calibration weight on the tip of the probe, then click <b>Next >></b>."),
          QString(), QStringLiteral("This phase takes about 5 seconds.")},
         {{QStringLiteral("Next >>"), [&w] { w.Step3NextClick(); }}}});
    ProgressBar1 = addGauge(weigh, QStringLiteral("ProgressBar1"), QStringLiteral("Calibration Progress"));

    addPage({QStringLiteral("TabSheet4"), WizardPicture::RefitProbeAssembly,
             {QStringLiteral("Place probe assembly back into original position")},
             {QStringLiteral("<b>Step 4</b>"), QString(),
              QStringLiteral("Fit the probe assembly back into its original position and secure the thumb screws."),
              QString(), QStringLiteral("<b>Finish</b> saves the new calibration on the QLX; <b>Cancel</b> aborts.")},
             {{QStringLiteral("Finish"), [&w] { w.FinishClick(); }}}});

    addCancelBand(QStringLiteral("Click on CANCEL to abort calibration procedure at any time"));
    refresh();
}

void AutoCalibrateDialog::refreshPageControls()
{
    const UpDownControl& bar = wizard_.ProgressBar1;
    showGauge(ProgressBar1, bar.min, bar.max, bar.position, bar.visible);
}

void AutoCalibrateDialog::activated() { wizard_.FormActivate(); }

void AutoCalibrateDialog::shown() { wizard_.FormShow(); }

} // namespace qlx::driver

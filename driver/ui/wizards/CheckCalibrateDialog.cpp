#include "driver/ui/wizards/CheckCalibrateDialog.h"

#include "driver/ui/CalibrationWizards.h"
#include "driver/ui/wizards/ProbePages.h"
#include "driver/ui/ClickableLabel.h"

#include <QVBoxLayout>

namespace qlx::driver {

CheckCalibrateDialog::CheckCalibrateDialog(TQLX32& driver, TCheckCalibrate& wizard, QWidget* parent)
    : WizardDialog(driver, wizard, QStringLiteral("Calibration Check Procedure"), parent), wizard_(wizard)
{
    setObjectName(QStringLiteral("CheckCalibrate"));
    TCheckCalibrate& w = wizard_;
    addPage(removeProbePage([&w] { w.Step1NextClick(); }));

    addPage(probeUpsideDownPage(QStringLiteral("check"), [&w] { w.Step2NextClick(); }));

    QVBoxLayout* reading = addPage(
        {QStringLiteral("TabSheet3"), WizardPicture::WeightOnProbeTip,
         {QStringLiteral("Position calibration weight on tip of probe")},
         {QStringLiteral("<b>Step 3</b>"), QString(),
          QStringLiteral("Place the calibration weight on the tip of the probe."),
          QStringLiteral("Click <b>Click to view result...</b> to start the readings of the load cell."),
          QStringLiteral("They should be within <b>8 gram</b> of the test mass (8 gram on 14000 gram is 0.057 % "
                         "error)."),
          QStringLiteral("Then click <b>Next >></b>.")},
         {{QStringLiteral("Next >>"), [&w] { w.Step3NextClick(); }}}});
    Label2 = new QLabel(w.Label2.text);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    QSizePolicy keep = Label2->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    Label2->setSizePolicy(keep);
    reading->addWidget(Label2);
    Label1 = new ClickableLabel([this, &w] { forward([&w] { w.Label1Click(); }); });
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Label1->setAutoFillBackground(true);
    Label1->setCursor(Qt::PointingHandCursor);
    QFont large = Label1->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.4);
    Label1->setFont(large);
    QPalette colors = Label1->palette();
    colors.setColor(QPalette::Window, Qt::white);
    colors.setColor(QPalette::WindowText, QColor(0, 0, 200));
    Label1->setPalette(colors);
    Label1->setMinimumHeight(Label1->fontMetrics().height() + 12);
    reading->addWidget(Label1);

    addPage({QStringLiteral("TabSheet4"), WizardPicture::RefitProbeAssembly,
             {QStringLiteral("Place probe assembly back into original position")},
             {QStringLiteral("<b>Step 4</b>"), QString(),
              QStringLiteral("Fit the probe assembly back into its original position and secure the locking screws."),
              QString(), QStringLiteral("To re-calibrate the probe, use <b>Calibrate Probe</b> in the setup dialog.")},
             {{QStringLiteral("Finish"), [&w] { w.FinishClick(); }}}});

    addCancelBand(QStringLiteral("Click on CANCEL to abort calibration procedure at any time"));
    refresh();
}

void CheckCalibrateDialog::refreshPageControls()
{
    Label1->setText(wizard_.Label1.text);
    Label2->setVisible(wizard_.Label2.visible);
}

void CheckCalibrateDialog::activated() { wizard_.FormActivate(); }

void CheckCalibrateDialog::shown() { wizard_.FormShow(); }

} // namespace qlx::driver

#include "driver/ui/wizards/ScaleCalibrateDialog.h"

#include "driver/ui/CalibrationWizards.h"

#include <QProgressBar>
#include <QVBoxLayout>

namespace qlx::driver {

ScaleCalibrateDialog::ScaleCalibrateDialog(TQLX32& driver, TForm4& wizard, QWidget* parent)
    : WizardDialog(driver, wizard, QStringLiteral("Scale Calibration "), parent), wizard_(wizard)
{
    setObjectName(QStringLiteral("Form4"));
    TForm4& w = wizard_;
    const PageButton cancel{QStringLiteral("Cancel"), [&w] { w.CancelClick(); }};

    QVBoxLayout* mass = addPage({QStringLiteral("TabSheet4"), WizardPicture::CalibrationWeight, {},
                                 {QStringLiteral("<b>Calibration mass</b>"), QString(),
                                  QStringLiteral("Verify the mass of the calibration weight, or change it with "
                                                 "the arrows."),
                                  QStringLiteral("Then click <b>Continue</b>.")},
                                 {{QStringLiteral("Continue"), [&w] { w.ContinueClick(); }}, cancel}});
    addMassRow(mass, w.SpinEdit1);

    QVBoxLayout* stage1 = addPage({QStringLiteral("TabSheet1"), WizardPicture::EmptyScale, {},
                                   {QStringLiteral("<b>Stage #1</b>"), QString(),
                                    QStringLiteral("Remove all objects from the weigh platform, then click "
                                                   "<b>OK</b>."),
                                    QString(), QStringLiteral("<u>Do not touch the scale</u> during calibration.")},
                                   {{QStringLiteral("OK"), [&w] { w.Stage1OkClick(); }}, cancel}});
    CGauge2 = addGauge(stage1, QStringLiteral("CGauge2"), QStringLiteral("Stage #1 progress"));

    QVBoxLayout* step2 = addPage({QStringLiteral("TabSheet2"), WizardPicture::WeightOnScale, {},
                                  {QStringLiteral("<b>Step #2</b>"), QString(),
                                   QStringLiteral("Place the calibration mass on the weigh platform, then click "
                                                  "<b>OK</b>."),
                                   QString(), QStringLiteral("<u>Do not touch the scale</u> during calibration.")},
                                  {{QStringLiteral("OK"), [&w] { w.Step2OkClick(); }}, cancel}});
    CGauge1 = addGauge(step2, QStringLiteral("CGauge1"), QStringLiteral("Step #2 progress"));

    addPage({QStringLiteral("TabSheet3"), WizardPicture::Success, {},
             {QStringLiteral("<b>Calibration successful</b>"), QString(),
              QStringLiteral("Click <b>Finish</b> to save the new calibration on the QLX.")},
             {{QStringLiteral("Finish"), [&w] { w.FinishClick(); }}, cancel}});
    refresh();
}

void ScaleCalibrateDialog::refreshPageControls()
{
    const GaugeControl& stage1 = wizard_.CGauge2;
    const GaugeControl& stage2 = wizard_.CGauge1;
    showGauge(CGauge2, stage1.minValue, stage1.maxValue, stage1.progress, wizard_.Panel3.visible);
    showGauge(CGauge1, stage2.minValue, stage2.maxValue, stage2.progress, wizard_.Panel4.visible);
}

} // namespace qlx::driver

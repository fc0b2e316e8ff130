#include "driver/ui/wizards/EfmCalibrateDialog.h"

#include "driver/ui/CalibrationWizards.h"

namespace qlx::driver {

EfmCalibrateDialog::EfmCalibrateDialog(TQLX32& driver, TForm13& wizard, QWidget* parent)
    : WizardDialog(driver, wizard, QStringLiteral("Calibrate EFM"), parent)
{
    setObjectName(QStringLiteral("Form13"));
    TForm13& w = wizard;
    const PageButton cancel{QStringLiteral("Cancel"), [&w] { w.CancelClick(); }};

    addPage({QStringLiteral("TabSheet1"), WizardPicture::EfmStrapOn50, {QStringLiteral("50 mm")},
             {QStringLiteral("<b>Stage #1</b>"), QString(),
              QStringLiteral("Place the measure strap over the <b>50 mm</b> part of the calibration disk, "
                             "without slack."),
              QStringLiteral("Push the EFM switch once."), QString(),
              QStringLiteral("<i>The program moves on by itself.</i>")},
             {cancel}});
    addPage({QStringLiteral("TabSheet4"), WizardPicture::EfmReady, {},
             {QStringLiteral("<b>First point taken</b>"), QString(),
              QStringLiteral("Click <b>OK  >></b> when you are ready for the second and last step.")},
             {{QStringLiteral("OK  >>"), [&w] { w.OkClick(); }}, cancel}});
    addPage({QStringLiteral("TabSheet2"), WizardPicture::EfmStrapOn20, {QStringLiteral("20 mm")},
             {QStringLiteral("<b>Step #2</b>"), QString(),
              QStringLiteral("Place the measure strap over the <b>20 mm</b> part of the calibration disk, "
                             "without slack."),
              QStringLiteral("Push the EFM switch once."), QString(),
              QStringLiteral("<i>The program moves on by itself.</i>")},
             {cancel}});
    addPage({QStringLiteral("TabSheet3"), WizardPicture::Success, {},
             {QStringLiteral("<b>Calibration successful</b>"), QString(),
              QStringLiteral("The QLX saves the new calibration when you click <b>Continue  >></b>.")},
             {{QStringLiteral("Continue  >>"), [&w] { w.ContinueClick(); }}, cancel}});
    refresh();
}

} // namespace qlx::driver

#include "driver/ui/wizards/ProbePages.h"

namespace qlx::driver {

WizardDialog::PageContent removeProbePage(std::function<void()> next)
{
    return {QStringLiteral("TabSheet1"),
            WizardPicture::RemoveProbeAssembly,
            {QStringLiteral("Release both thumb screws and remove probe assembly")},
            {QStringLiteral("<b>Step 1</b>"), QString(),
             QStringLiteral("Remove all objects from the probe and the sample table."),
             QStringLiteral("Release the two thumb screws and remove the probe assembly."), QString(),
             QStringLiteral("When you click <b>Next >></b> the load cell carriage retracts to its top position.")},
            {{QStringLiteral("Next >>"), std::move(next)}}};
}

WizardDialog::PageContent probeUpsideDownPage(const QString& procedure, std::function<void()> next)
{
    return {QStringLiteral("TabSheet2"),
            WizardPicture::ProbeUpsideDown,
            {QStringLiteral("Fit calibration interface if necessary"), QStringLiteral("Place load cell upside down")},
            {QStringLiteral("<b>Step 2</b>"), QString(),
             QStringLiteral("Place the probe assembly on the support pad with the probe pointing upwards."),
             QStringLiteral("If the calibration weight does not fit over the probe, fit the calibration interface "
                            "on the probe."),
             QString(), QStringLiteral("<u>Do not touch the instrument</u> during the %1.").arg(procedure)},
            {{QStringLiteral("Next >>"), std::move(next)}}};
}

} // namespace qlx::driver

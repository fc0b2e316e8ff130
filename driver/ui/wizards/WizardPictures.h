#pragma once
// The illustrations of the calibration steps, drawn with QPainter: simple
// side views of the instrument, the probe assembly, the calibration weight,
// the scale platform and the EFM calibration disk.

#include <QPixmap>

namespace qlx::driver {

enum class WizardPicture {
    CalibrationWeight,   // confirm the mass of the weight
    RemoveProbeAssembly, // release the thumb screws, take the assembly out
    ProbeUpsideDown,     // the assembly on the support pad, probe upwards
    WeightOnProbeTip,    // the weight balanced on the probe tip
    RefitProbeAssembly,  // the assembly back, thumb screws tight
    EmptyScale,          // nothing on the weigh platform
    WeightOnScale,       // the calibration mass on the platform
    EfmStrapOn50,        // the strap around the 50 mm part of the disk
    EfmStrapOn20,        // the strap around the 20 mm part
    EfmReady,            // first point taken, ready for the second
    Success,             // calibration successful
};

QPixmap wizardPicture(WizardPicture picture);

constexpr int WizardPictureWidth = 220;
constexpr int WizardPictureHeight = 260;
// The drawing sits below this band, which the step's labels cover.
constexpr int WizardLabelBand = 50;

} // namespace qlx::driver

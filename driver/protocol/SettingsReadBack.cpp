// The settings read: each reply fills a display of the setup dialog; the
// version reply identifies the instrument and ends the read.
#include "driver/protocol/TQLX32.h"

#include "driver/protocol/ModelTable.h"
#include "driver/protocol/NumberText.h"

#include <climits>
#include <cmath>
#include <cstring>

namespace qlx::driver {
namespace {

// The instrument reports its version as digits with at most one point.
bool isPlainDecimal(const char* text)
{
    const QByteArray t = QByteArray(text).trimmed();
    int points = 0;
    for (const char c : t) {
        if (c == '.')
            ++points;
        else if (c < '0' || c > '9')
            return false;
    }
    return !t.isEmpty() && points <= 1 && t != ".";
}

int wholePart(double value)
{
    const double t = std::trunc(value);
    if (t >= double(INT_MAX))
        return INT_MAX;
    if (t <= double(INT_MIN))
        return INT_MIN;
    return int(t);
}

} // namespace

void TQLX32::DecodeSettingsReply(char letter, const char* value)
{
    const QString asReceived = QString::fromLatin1(value);
    bool next = true;
    switch (letter) {
    case 'E': TestMass.text = asReceived; break;
    case 'M': MaxLoad.text = asReceived; break;
    case 'T': {
        const int v = integerValue(value);
        if (v > 0)
            LoadThres.text = QString::number(TriggerScroll.setPosition(v));
        break;
    }
    case 'm': MaxVel.text = QString::number(ForwardScroll.setPosition(integerValue(value))); break;
    case 'n': LoadVelocity.text = QString::number(MeasureSpeedScroll.setPosition(integerValue(value))); break;
    case 'q': {
        const double v = realValue(value);
        TestDistance.text = v > 0 ? QString::number(v * 0.1, 'f', 1) : QStringLiteral("0");
        break;
    }
    case 'p': MaxDis.text = QString::number(wholePart(realValue(value))); break;
    case 'g': gradien.text = asReceived; break;
    case 'H': massratio.text = asReceived; break;
    case 'F': clkfrequency.text = asReceived; break;
    case 'R':
        stepratio.text = asReceived;
        next = false;
        break;
    case 'y': ReverseSpeed.text = QString::number(ReverseScroll.setPosition(integerValue(value))); break;
    case 'V':
        VersionStep(value);
        next = false;
        break;
    case 'w': {
        const double v = realValue(value);
        if (v > 0)
            WeightRatio.text = formatFixed(v * 1e-9, 10, 8);
        next = false;
        break;
    }
    case 'd':
        Sensitivity.text = QString::number(integerValue(value));
        next = false;
        break;
    case 'e':
        ResetThreshold.text = QString::number(integerValue(value));
        next = false;
        break;
    case 'i': {
        const int v = integerValue(value);
        UpDown1.setPosition(v);
        ReverseInc.text = QString::number(v);
        break;
    }
    default: return; // the reply to "?I" and unknown letters change nothing
    }
    if (next)
        SendNextRequest();
}

void TQLX32::VersionStep(const char* value)
{
    Gauge1.visible = false;
    LinkWatch = false;

    // Anything but a plain decimal number identifies no model.
    const bool plain = isPlainDecimal(value);
    InstrumentGeneration = plain ? wholePart(realValue(value)) : 0;
    ScaleGroup.visible = false;
    ScaleGroup.enabled = false;

    const char* point = std::strchr(value, '.');
    const char* modelText = value;
    switch (InstrumentGeneration) {
    case 4: case 5: case 7: case 8: case 9:
        modelText = point ? point + 1 : "";
        break;
    case 6:
        modelText = point && point[1] ? point + 2 : "";
        break;
    default: break;
    }
    ModelNumber = plain ? integerValue(modelText) : 0;

    ShowGraph.enabled = true;
    Calibrate.enabled = true;
    TransparentButton2.enabled = true;
    TransparentButton3.enabled = true;
    TransparentButton5.enabled = true;
    TriggerScroll.enabled = true;
    ForwardScroll.enabled = true;
    ReverseScroll.enabled = true;
    MeasureSpeedScroll.enabled = true;
    MeasureDistanceScroll.enabled = true;

    const ModelInfo model = plain ? identifyModel(InstrumentGeneration, ModelNumber) : ModelInfo{};
    if (model.listed)
        VersionText = QStringLiteral("QLX version: %1.%2%3").arg(InstrumentGeneration).arg(ModelNumber).arg(model.name);

    ShowVersionLines = true;
    NewGeneration = InstrumentGeneration > 5;
    if (NewGeneration)
        ShowNewModelControls = true;

    if (model.hasScale) {
        TransparentButton7.visible = true;
        TransparentButton7.enabled = true;
        ScaleGroup.visible = true;
        ScaleGroup.enabled = true;
        FHasScale = true;
        CalibrateSCALE1.enabled = true;
    }
    TransparentButton1.visible = true;
    TransparentButton6.visible = true;
    CheckLoadcell.enabled = true;

    StatusLampRed = true;
    FSettingsRead = true;
    InstrumentResponding = true;
    SendCommand("A");
    Timer1.setEnabled(true);
}

} // namespace qlx::driver

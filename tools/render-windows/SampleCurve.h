#pragma once
// A plausible apple curve for the rendered graph window: three points before
// the trigger point, the rise to the skin's break, then the flesh.

#include "driver/ui/TForm2.h"

namespace qlx::render {

struct SampleReading {
    short cursorStart = 3;
    int maxIndex = 0;
    bool graphReady = true;
};

// Plots the sample curve into the window state as the reply decoding would,
// with the reference line at the maximum.
void plotSampleCurve(driver::TForm2& form, SampleReading& reading);

} // namespace qlx::render

#pragma once
// The setup dialog, its tray menu and pictures, and every calibration wizard
// page, drawn from a plausibly filled driver state.

#include "tools/render-windows/Renderings.h"

namespace qlx::render {

std::vector<Rendering> setupRenderings();

} // namespace qlx::render

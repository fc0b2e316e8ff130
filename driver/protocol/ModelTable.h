#pragma once
#include <QString>

namespace qlx::driver {

struct ModelInfo {
    bool listed = false;
    bool hasScale = false;
    QString name; // ", RV-31" and the like
};

// The instrument models by generation and model number. Two-digit model
// numbers are the same models with a scale.
ModelInfo identifyModel(int generation, int modelNumber);

} // namespace qlx::driver

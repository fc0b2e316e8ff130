#include "driver/protocol/ModelTable.h"

namespace qlx::driver {

ModelInfo identifyModel(int generation, int modelNumber)
{
    if (modelNumber < 0)
        return {};
    const int variant = modelNumber % 10;
    const int tens = modelNumber / 10;
    const int maxTens = generation <= 7 ? 8 : 4;
    if (tens > maxTens || (variant != 1 && variant != 2))
        return {};
    QString name;
    if (generation <= 7)
        name = variant == 1 ? QStringLiteral(", RV-31") : QStringLiteral(", RV-36");
    else
        name = variant == 1 ? QStringLiteral(", RV-42") : QStringLiteral(", RV-47");
    return {true, tens >= 1, name};
}

} // namespace qlx::driver

#pragma once
// The curve types that cross from the driver into the workbench. Their layout
// is fixed: the driver fills arrays of exactly these points.

#include <cstdint>
#include <memory>
#include <vector>

namespace qlx::studio {

// Spacing of the curve points the driver resamples to; the ordinal is what
// configuration files and the driver call carry.
enum TDisplacementResolution : std::int32_t {
    dr05 = 0,  // 0.5 mm
    dr01 = 1,  // 0.1 mm
    dr001 = 2, // 0.01 mm
};

struct TDataPoint {
    float Deflection; // mm
    float Force;      // kg
};
static_assert(sizeof(TDataPoint) == 8, "TDataPoint is two floats, as the driver writes them");

using TDataPoints = std::vector<TDataPoint>;
using TSingleArray = std::vector<float>;

// A curve shared between a measurement and the evaluations run on it; nobody
// changes it once it is shared.
using TDataPointsRef = std::shared_ptr<const TDataPoints>;

} // namespace qlx::studio

#pragma once
// The simulator's clock: milliseconds since it started, as a double so that
// the 9600-baud pacing can work in fractions of a millisecond.

namespace qlx::sim {

using Millis = double;

} // namespace qlx::sim

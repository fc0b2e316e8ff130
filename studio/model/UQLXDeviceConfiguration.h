#pragma once
// The device part of a measurement configuration. It holds nothing yet and is
// not written to files; it keeps the place for instrument settings.

namespace qlx::studio {

class TQLXDeviceConfiguration {
public:
    void CopyFrom(const TQLXDeviceConfiguration&) {}
};

} // namespace qlx::studio

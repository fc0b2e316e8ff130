#pragma once
// The pictures of the graph window's two reference-line buttons, drawn in
// code: a small curve with the reference line at its foot (penetration
// point) or at its peak (maximum).

#include <QIcon>

namespace qlx::driver {

QIcon penetrationPointIcon();
QIcon maximumIcon();

} // namespace qlx::driver

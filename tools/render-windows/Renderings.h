#pragma once
// The pictures qlx-render-windows makes: a file name and how to draw it.

#include <QPixmap>
#include <QString>
#include <functional>
#include <vector>

namespace qlx::render {

struct Rendering {
    QString fileName;
    std::function<QPixmap()> render;
};

std::vector<Rendering> renderings();

} // namespace qlx::render

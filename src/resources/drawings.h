#pragma once
// The drawing of each icon, on a 32 x 32 grid; the painter's scale decides
// how many device pixels that grid covers.

#include <QString>

#include <functional>

class QPainter;

namespace resources {

using IconDrawing = std::function<void(QPainter &)>;

// The drawing of that name, or none for an unknown name.
const IconDrawing *iconDrawing(const QString &name);

} // namespace resources

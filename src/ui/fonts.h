#pragma once
// The fonts the windows are designed for do not exist on Linux; this is the
// one place that says which installed font stands in for each.

#include <QFont>
#include <QString>

namespace ui {

// The installed family that replaces a designer's face name.
QString substituteFamily(const QString &faceName);

// A font of the given face name and point size; the size becomes a pixel
// size at 96 dpi, so text keeps its place in the twip layout.
QFont designFont(const QString &faceName, double points, bool bold);

} // namespace ui

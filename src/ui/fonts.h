#pragma once
// The fonts the windows are designed for do not exist on Linux; the
// metafile library's face name table says which installed font stands in.

#include <QFont>
#include <QString>

namespace ui {

// The installed family that replaces a designer's face name.
QString substituteFamily(const QString &faceName);

// A font of the given face name and point size; the size becomes a pixel
// size at 96 dpi, so text keeps its place in the twip layout.
QFont designFont(const QString &faceName, double points, bool bold);

} // namespace ui

#pragma once
// The toolbar and window icons. They are drawn by the program itself at the
// size in device pixels the screen asks for, so they stay sharp at every
// scale factor: a 32 x 32 design in the 16 colours of the classic palette.

#include <QIcon>
#include <QImage>
#include <QString>

namespace resources {

// The icon of that name ("stop", "bicycle", "editor/save", …); a null icon
// for an unknown name. Its natural size is 32 x 32.
QIcon icon(const QString &name);

// The icon drawn at side x side device pixels, each pixel one of the 16
// colours or transparent; a null image for an unknown name.
QImage drawIcon(const QString &name, int side);

} // namespace resources

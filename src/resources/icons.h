#pragma once
// The toolbar and window icons, built into the program.

#include <QPixmap>
#include <QString>

namespace resources {

// The icon of that name ("stop", "bicycle", …); a null pixmap for an unknown name.
QPixmap icon(const QString &name);

} // namespace resources

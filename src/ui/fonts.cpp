#include "fonts.h"

#include "units.h"
#include "wmf/fonts.h"

namespace ui {

QString substituteFamily(const QString &faceName)
{
    // One table serves the windows and the metafile pictures alike.
    return wmf::substituteFamily(faceName.toLatin1());
}

QFont designFont(const QString &faceName, double points, bool bold)
{
    QFont font;
    font.setFamilies({substituteFamily(faceName), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pointsToPixels(points));
    font.setBold(bold);
    return font;
}

} // namespace ui

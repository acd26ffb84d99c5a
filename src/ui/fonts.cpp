#include "fonts.h"

#include "units.h"

#include <QHash>

namespace ui {

QString substituteFamily(const QString &faceName)
{
    // Verdana is wide and open like DejaVu Sans; MS Sans Serif is the
    // narrower Arial-like face that Liberation Sans matches in metrics.
    static const QHash<QString, QString> table = {
        {QStringLiteral("ms sans serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("verdana"), QStringLiteral("DejaVu Sans")},
    };
    return table.value(faceName.toLower(), faceName);
}

QFont designFont(const QString &faceName, double points, bool bold)
{
    QFont font(substituteFamily(faceName));
    font.setFamilies({substituteFamily(faceName), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setPixelSize(pointsToPixels(points));
    font.setBold(bold);
    return font;
}

} // namespace ui

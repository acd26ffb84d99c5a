#include "icons.h"

namespace resources {

QPixmap icon(const QString &name)
{
    return QPixmap(QStringLiteral(":/icons/") + name + QStringLiteral(".png"));
}

} // namespace resources

#include "rememberedfolder.h"

#include <QDir>
#include <QSettings>

namespace app {

namespace {
const QString kKey = QStringLiteral("Aufgaben/Ordner");
}

QString rememberedTaskFolder()
{
    return QSettings(QStringLiteral("revaze"), QStringLiteral("revaze")).value(kKey).toString();
}

void rememberTaskFolder(const QString &folder)
{
    QSettings settings(QStringLiteral("revaze"), QStringLiteral("revaze"));
    if (folder.isEmpty())
        settings.remove(kKey);
    else
        settings.setValue(kKey, QDir(folder).absolutePath());
}

} // namespace app

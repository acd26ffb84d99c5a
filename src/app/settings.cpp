#include "settings.h"

#include <QDir>
#include <QSettings>

namespace app {

namespace {
const QString kFolder = QStringLiteral("Aufgaben/Ordner");
const QString kSyllables = QStringLiteral("Anzeige/Silben");

} // namespace

QString rememberedTaskFolder()
{
    return QSettings(QStringLiteral("revaze"), QStringLiteral("revaze")).value(kFolder).toString();
}

void rememberTaskFolder(const QString &folder)
{
    QSettings settings(QStringLiteral("revaze"), QStringLiteral("revaze"));
    if (folder.isEmpty())
        settings.remove(kFolder);
    else
        settings.setValue(kFolder, QDir(folder).absolutePath());
}

bool readsBySyllables()
{
    return QSettings(QStringLiteral("revaze"), QStringLiteral("revaze")).value(kSyllables, false).toBool();
}

void setReadsBySyllables(bool on)
{
    QSettings(QStringLiteral("revaze"), QStringLiteral("revaze")).setValue(kSyllables, on);
}

} // namespace app

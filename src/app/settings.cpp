#include "settings.h"

#include <QDir>

namespace app {

namespace {
const QString kFolder = QStringLiteral("Aufgaben/Ordner");
const QString kSyllables = QStringLiteral("Anzeige/Silben");

} // namespace

QSettings programSettings()
{
    return QSettings(QStringLiteral("revaze"), QStringLiteral("revaze"));
}

QString rememberedTaskFolder()
{
    return programSettings().value(kFolder).toString();
}

void rememberTaskFolder(const QString &folder)
{
    QSettings settings = programSettings();
    if (folder.isEmpty())
        settings.remove(kFolder);
    else
        settings.setValue(kFolder, QDir(folder).absolutePath());
}

bool readsBySyllables()
{
    return programSettings().value(kSyllables, false).toBool();
}

void setReadsBySyllables(bool on)
{
    programSettings().setValue(kSyllables, on);
}

} // namespace app

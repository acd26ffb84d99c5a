#include "desktopstart.h"
#include "settings.h"

#include "tasklist/foldernames.h"
#include "ui/folderdialog.h"
#include "ui/messagebox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace app {

namespace {

bool hasTaskList(const QString &folder)
{
    return QFileInfo(tasklist::taskListFile(QDir(folder))).isFile();
}

bool copyFolder(const QString &from, const QString &to)
{
    if (!QDir().mkpath(to))
        return false;
    const QDir source(from);
    for (const QString &name : source.entryList(QDir::Files)) {
        const QString target = QDir(to).filePath(name);
        if (!QFileInfo::exists(target) && !QFile::copy(source.filePath(name), target))
            return false;
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    }
    return true;
}

} // namespace

QString samplesFolder()
{
    const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/revaze/samples");
    if (hasTaskList(installed))
        return QDir::cleanPath(installed);
#ifdef REVAZE_SOURCE_SAMPLES
    if (hasTaskList(QStringLiteral(REVAZE_SOURCE_SAMPLES)))
        return QStringLiteral(REVAZE_SOURCE_SAMPLES);
#endif
    return QString();
}

QString findTaskFolderForDesktopStart(const QString &start, const QString &samples, const QString &documents,
                                      const QString &remembered)
{
    if (!remembered.isEmpty() && hasTaskList(remembered))
        return remembered;
    if (hasTaskList(start))
        return start;
    const QString own = QDir(documents).filePath(QStringLiteral("Revaze-Aufgaben"));
    if (hasTaskList(own))
        return own;

    if (!samples.isEmpty()) {
        const QString question = QStringLiteral("Hallo! Hier gibt es noch keine Aufgaben.\r\r"
                                                "Sollen die Beispielaufgaben in diesen Ordner kopiert werden?\r")
                                 + QDir::toNativeSeparators(own)
                                 + QStringLiteral("\r\rMit \"Nein\" wählst du selbst einen Ordner aus.\r");
        if (ui::showMessage({question, QStringLiteral("Revaze"), ui::Buttons::YesNo, ui::Icon::None, ui::Answer::Yes})
            == ui::Answer::Yes) {
            if (copyFolder(samples, own) && hasTaskList(own))
                return own;
            ui::inform(QStringLiteral("Die Beispielaufgaben konnten nicht kopiert werden.\r"), QStringLiteral("Revaze"));
        }
    }
    QString shown = QDir::homePath();
    for (;;) {
        const QString folder = ui::chooseFolder(QStringLiteral("Revaze: Ordner mit Aufgaben wählen"), shown);
        if (folder.isEmpty())
            return QString();
        if (hasTaskList(folder)) {
            rememberTaskFolder(folder);
            return folder;
        }
        ui::inform(QStringLiteral("In diesem Ordner gibt es keine Aufgabenliste 'REVAZE.INI':\r")
                       + QDir::toNativeSeparators(folder) + QStringLiteral("\r\r"),
                   QStringLiteral("Revaze"));
        shown = folder;
    }
}

} // namespace app

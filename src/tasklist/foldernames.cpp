#include "foldernames.h"

#include "taskfile.h"

#include <QFile>
#include <QFileInfo>

namespace tasklist {

QString findEntry(const QDir &dir, const QString &name)
{
    // "." and ".." exist in every folder.
    if (QFileInfo::exists(dir.filePath(name)))
        return name;
    QString best;
    QByteArray bestBytes;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                              QDir::Unsorted);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        const QByteArray bytes = QFile::encodeName(entry);
        if (best.isEmpty() || bytes < bestBytes) {
            best = entry;
            bestBytes = bytes;
        }
    }
    return best;
}

QString taskListFile(const QDir &folder)
{
    const QString name = QString::fromUtf8(kTaskListFileName.data(), qsizetype(kTaskListFileName.size()));
    const QString found = findEntry(folder, name);
    return folder.filePath(found.isEmpty() ? name : found);
}

} // namespace tasklist

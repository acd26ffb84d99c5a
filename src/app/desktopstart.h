#pragma once
// Started from the desktop menu, the program's folder is the home folder,
// where no task list lies. Rather than end at once, it finds a task folder:
// the child's own folder in the documents, a fresh copy of the samples, or
// one the user picks.

#include <QString>

namespace app {

// The installed sample task list, or the source tree's for a build that is
// not installed; empty when neither exists.
QString samplesFolder();

// A folder that holds a task list: the one the user chose last (`remembered`)
// if it still has one, else `start` itself if it has one, else the child's
// folder in the documents, a fresh copy of the samples there, or a folder the
// user picks, which is remembered. Empty when the user declined every offer;
// the program then ends.
QString findTaskFolderForDesktopStart(const QString &start, const QString &samples, const QString &documents,
                                      const QString &remembered = QString());

} // namespace app

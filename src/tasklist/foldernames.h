#pragma once
// Names in a task folder as lists made on Windows mean them: letter case does
// not matter. The task list file and the pictures named in it are found by
// the same rule.

#include <QDir>
#include <QString>

namespace tasklist {

// The entry of `dir` that `name` means: the entry of exactly that name when
// there is one; otherwise the one whose name matches without regard to
// letter case (umlauts included), and of several such, the first in byte
// order. Empty when nothing matches.
QString findEntry(const QDir &dir, const QString &name);

// The path of a folder's task list file: REVAZE.INI found as above, so a
// list saved as Revaze.ini is read and written back under that name; the
// path of REVAZE.INI itself when the folder has none yet.
QString taskListFile(const QDir &folder);

} // namespace tasklist

#pragma once
// The task list file: pairs of lines (picture file name, answer text) in
// Windows-1252 with CR LF line ends.

#include <QByteArrayView>
#include <QLatin1StringView>
#include <QString>
#include <QStringList>

namespace tasklist {

inline constexpr QLatin1StringView kTaskListFileName("REVAZE.INI");

// Splits raw bytes into lines. A line ends at CR LF or at a CR not followed
// by LF; a LF after no CR is an ordinary character; the last line may lack
// its end. Nothing is trimmed.
QList<QByteArrayView> splitLines(QByteArrayView bytes);

struct ReadResult {
    bool ok = false;
    QString error;      // why the file could not be read
    QStringList lines;  // decoded, in file order
};

// Reads every line of a task list file. Anything but a readable regular
// file (missing, no permission, a folder or a device of that name) is a failure.
ReadResult readLines(const QString &file);

struct TaskList {
    QStringList pictures;  // entry k-1 belongs to task k
    QStringList answers;
    qsizetype count() const { return pictures.size(); }
};

struct LoadResult {
    bool ok = false;
    QString error;
    TaskList tasks;
    // The file ended after a picture line: that task got an empty answer.
    bool unpairedLastLine = false;
};

// Pairs the lines of a task list file. One empty line after the last
// complete pair is a leftover of hand editing and is dropped silently.
LoadResult loadTaskList(const QString &file);
TaskList pairLines(QStringList lines, bool *unpaired);

struct WriteResult {
    bool ok = false;
    // The file's permission bits forbid writing it; nothing was written.
    bool writeProtected = false;
    QString error;  // the reason, for the user
};

// Replaces the file atomically with the lines, each ending in CR LF: the new
// content is written and synced beside it and then renamed over it, taking
// over its permissions, and the folder is synced. Lines with characters
// Windows-1252 cannot hold, or with a CR, are refused and nothing is
// written; any failure leaves the old file as it was. A file this user may
// not write is left alone too, though the rename would only need the
// folder's permission; for root, whom the bits do not stop, the owner's
// write bit decides.
WriteResult writeLines(const QString &file, const QStringList &lines);

} // namespace tasklist

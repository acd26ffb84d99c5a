#include "taskfile.h"

#include "cp1252.h"
#include "filewriter.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tasklist {

QList<QByteArrayView> splitLines(QByteArrayView bytes)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    qsizetype pos = 0;
    while ((pos = bytes.indexOf('\r', start)) >= 0) {
        lines.append(bytes.sliced(start, pos - start));
        start = pos + 1;
        if (start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
    if (start < bytes.size())
        lines.append(bytes.sliced(start));
    return lines;
}

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Only a regular file (or a link to one) is a task list; a device or a FIFO
// of that name would never end or never start.
bool isRegularFile(const QString &file, QString *error)
{
    struct stat st {};
    if (::stat(QFile::encodeName(file).constData(), &st) != 0) {
        *error = systemError(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        *error = QStringLiteral("keine Datei");
        return false;
    }
    return true;
}

bool readAll(const QString &file, QByteArray *bytes, QString *error)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = in.errorString();
        return false;
    }
    *bytes = in.readAll();
    if (in.error() != QFileDevice::NoError) {
        *error = QStringLiteral("Lesefehler");
        return false;
    }
    return true;
}

} // namespace

ReadResult readLines(const QString &file)
{
    ReadResult result;
    QByteArray bytes;
    if (!isRegularFile(file, &result.error) || !readAll(file, &bytes, &result.error))
        return result;
    const QList<QByteArrayView> raw = splitLines(bytes);
    result.lines.reserve(raw.size());
    for (const QByteArrayView line : raw)
        result.lines.append(decodeCp1252(line));
    result.ok = true;
    return result;
}

TaskList pairLines(QStringList lines, bool *unpaired)
{
    if (lines.size() % 2 == 1 && lines.back().isEmpty())
        lines.pop_back();
    const bool odd = lines.size() % 2 == 1;
    if (odd)
        lines.emplace_back();
    if (unpaired)
        *unpaired = odd;
    TaskList tasks;
    tasks.pictures.reserve(lines.size() / 2);
    tasks.answers.reserve(lines.size() / 2);
    for (qsizetype i = 0; i + 1 < lines.size(); i += 2) {
        tasks.pictures.append(std::move(lines[i]));
        tasks.answers.append(std::move(lines[i + 1]));
    }
    return tasks;
}

LoadResult loadTaskList(const QString &file)
{
    LoadResult result;
    ReadResult read = readLines(file);
    if (!read.ok) {
        result.error = std::move(read.error);
        return result;
    }
    result.tasks = pairLines(std::move(read.lines), &result.unpairedLastLine);
    result.ok = true;
    return result;
}

namespace {

// Whether this user may write the file. Root may write anything, so for
// root the owner's write bit tells whether the file was meant to stay as it is.
bool mayWrite(const QByteArray &path, const struct stat &st)
{
    if (::geteuid() == 0)
        return (st.st_mode & S_IWUSR) != 0;
    return ::access(path.constData(), W_OK) == 0;
}

// Makes the rename itself durable.
void syncFolder(const QString &file)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(file).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

WriteResult writeLines(const QString &file, const QStringList &lines)
{
    WriteResult result;
    QByteArray data;
    QString unmappable;
    for (const QString &line : lines) {
        if (line.contains(QChar('\r'))) {
            result.error = QStringLiteral("Eine Zeile enthält ein Zeilenende-Zeichen (CR).");
            return result;
        }
        data += encodeCp1252(line, &unmappable);
        data += "\r\n";
    }
    if (!unmappable.isEmpty()) {
        result.error = QStringLiteral("Diese Zeichen können nicht gespeichert werden: ") + unmappable;
        return result;
    }

    struct stat old {};
    const QByteArray path = QFile::encodeName(file);
    if (::stat(path.constData(), &old) == 0 && S_ISREG(old.st_mode) && !mayWrite(path, old)) {
        result.writeProtected = true;
        result.error = QStringLiteral("Die Datei ist schreibgeschützt.");
        return result;
    }

    // Written beside the file, synced, and renamed only on commit.
    FileWriter out(file);
    if (!out.open()) {
        result.error = QStringLiteral("Temporäre Datei: ") + out.errorString();
        return result;
    }
    if (out.write(data) != data.size()) {
        result.error = QStringLiteral("Schreiben: ") + out.errorString();
        out.cancel();
        return result;
    }
    if (!out.commit()) {
        result.error = QStringLiteral("Ersetzen: ") + out.errorString();
        return result;
    }
    syncFolder(file);
    result.ok = true;
    return result;
}

} // namespace tasklist

#include "filewriter.h"

#include <QFile>
#include <QSaveFile>

#include <sys/stat.h>

namespace tasklist {

FileWriter::FileWriter(const QString &path) : m_path(path)
{
}

FileWriter::~FileWriter()
{
    if (isOpen())
        cancel();
}

bool FileWriter::open()
{
    struct stat target {};
    const bool exists = ::stat(QFile::encodeName(m_path).constData(), &target) == 0;
    // A device that takes a stream, or a pipe; a disk is never written over.
    m_inPlace = exists && (S_ISCHR(target.st_mode) || S_ISFIFO(target.st_mode));
    if (exists && !m_inPlace && !S_ISREG(target.st_mode) && !S_ISDIR(target.st_mode)) {
        setErrorString(QStringLiteral("keine gewöhnliche Datei"));
        return false;
    }
    if (m_inPlace)
        m_file = std::make_unique<QFile>(m_path);
    else
        m_file = std::make_unique<QSaveFile>(m_path);
    // Unbuffered: each write reaches the system at once and its error with it.
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        setErrorString(m_file->errorString());
        return false;
    }
    m_failed = false;
    return QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 FileWriter::writeData(const char *data, qint64 length)
{
    if (m_failed)
        return -1;
    qint64 done = 0;
    while (done < length) {
        // After a short write, the next one fails and says why.
        const qint64 written = m_file->write(data + done, length - done);
        if (written <= 0) {
            fail(m_file->errorString());
            return -1;
        }
        done += written;
    }
    return done;
}

bool FileWriter::fail(const QString &reason)
{
    m_failed = true;
    setErrorString(reason);
    return false;
}

bool FileWriter::commit()
{
    if (!isOpen())
        return false;
    if (m_failed) {
        cancel();
        return false;
    }
    QIODevice::close();
    if (m_inPlace) {
        auto *file = static_cast<QFile *>(m_file.get());
        const bool flushed = file->flush();
        file->close();
        return flushed && file->error() == QFileDevice::NoError ? true : fail(file->errorString());
    }
    auto *file = static_cast<QSaveFile *>(m_file.get());
    return file->commit() ? true : fail(file->errorString());
}

void FileWriter::cancel()
{
    QIODevice::close();
    if (!m_file || !m_file->isOpen())
        return;
    if (m_inPlace) {
        m_file->close();
        return;
    }
    // A save file is never closed: destroyed unfinished, it is thrown away.
    m_file.reset();
}

} // namespace tasklist

#pragma once
// A file written whole or not at all: the bytes go into a temporary file
// beside it, which replaces it only when everything was written. A device
// that takes a stream (/dev/stdout, /dev/full) or a pipe is written in place
// instead, rather than replaced by a file of its name; any other target that
// is no regular file, a disk say, is refused. A write the
// system cuts short is tried again for the rest, so that a failure always
// carries the system's reason ("No space left on device") rather than none.

#include <QIODevice>
#include <QString>

#include <memory>

class QFileDevice;

namespace tasklist {

class FileWriter : public QIODevice {
public:
    explicit FileWriter(const QString &path);
    ~FileWriter() override;

    // Opens the target for writing; false with errorString() set.
    bool open();
    // Puts the file in place; false, with the reason and the target as it
    // was, when anything could not be written.
    bool commit();
    // Throws away what was written; the target stays as it was.
    void cancel();

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override;

private:
    bool fail(const QString &reason);

    QString m_path;
    std::unique_ptr<QFileDevice> m_file;
    bool m_inPlace = false;
    bool m_failed = false;
};

} // namespace tasklist

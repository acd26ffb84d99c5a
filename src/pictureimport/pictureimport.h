#pragma once
// The family's own pictures as task pictures: photos and drawings (PNG,
// JPEG, GIF, BMP, SVG) become Windows metafiles NAME.WMF in the task folder,
// one 24-bit bitmap stretched over a placeable frame; a metafile is copied
// as it is.

#include "app/message.h"

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QSize>
#include <QString>

namespace pictureimport {

// The largest picture stored: the picture box's size at 96 dpi.
inline constexpr QSize kLargest(642, 882);

struct Result {
    enum Status { Stored, Declined, Failed } status = Failed;
    QString fileName; // NAME.WMF, when stored
    QString message;  // German, when declined or failed
    bool ok() const { return status == Stored; }
};

// The stored name for a picture called `name` (no extension): in capitals,
// ".WMF" added. Empty with the reason in `error` when the name is empty,
// names a folder, or holds characters Windows-1252 cannot (they are named).
QString storedName(const QString &name, QString *error);

// A placeable metafile of one 24-bit bitmap, the image scaled down (never up)
// to fit kLargest, drawn over white where it is transparent.
QByteArray bitmapMetafile(const QImage &image);

class Importer {
public:
    // `ask` answers the question whether an existing picture is replaced.
    Importer(const QDir &folder, app::Ask ask) : m_folder(folder), m_ask(std::move(ask)) {}

    // A picture file, named after the file without its extension.
    Result importFile(const QString &path);
    // A pasted image under the name the user gave.
    Result importImage(const QImage &image, const QString &name);

private:
    Result store(const QString &name, const QByteArray &metafile);

    QDir m_folder;
    app::Ask m_ask;
};

} // namespace pictureimport

#pragma once
// The family's own pictures as task pictures: photos and drawings (PNG,
// JPEG, GIF, BMP, SVG) become Windows metafiles NAME.WMF in the task folder,
// one 24-bit bitmap stretched over a placeable frame; a metafile is copied
// as it is.

#include "ui/message.h"

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QSize>
#include <QString>

namespace pictureimport {

// The largest natural size of a stored picture: the trainer's picture box
// at 96 dpi, so the child sees the whole picture.
inline constexpr QSize kLargestShown(321, 441);
// The most pixels its bitmap keeps: twice the shown size each way, so the
// picture stays sharp on screens scaled to 2x, in print and on worksheets.
inline constexpr QSize kLargest = kLargestShown * 2;

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
// to fit kLargest, drawn over white where it is transparent. Its natural size
// is the image's, scaled down to fit kLargestShown.
QByteArray bitmapMetafile(const QImage &image);

class Importer {
public:
    // `ask` answers the question whether an existing picture is replaced.
    Importer(const QDir &folder, ui::Ask ask) : m_folder(folder), m_ask(std::move(ask)) {}

    // A picture file, named after the file without its extension.
    Result importFile(const QString &path);
    // A pasted image under the name the user gave.
    Result importImage(const QImage &image, const QString &name);

private:
    Result store(const QString &name, const QByteArray &metafile);

    QDir m_folder;
    ui::Ask m_ask;
};

} // namespace pictureimport

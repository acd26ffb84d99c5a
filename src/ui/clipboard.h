#pragma once
// The clipboard as the editor fills it: an answer text and a picture.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace ui {

// Puts the text on the clipboard as plain text, its CR line breaks as they
// are, and with it the picture, if there is one: the picture file's own
// bytes under their own type (image/x-wmf for a Windows metafile) and the
// picture as an image, for programs that only take images.
void copyToClipboard(const QString &text, const QByteArray &pictureFile = QByteArray(), const QImage &image = QImage());

// The type under which a picture file's bytes go on the clipboard.
QString pictureMimeType(const QByteArray &pictureFile);

} // namespace ui

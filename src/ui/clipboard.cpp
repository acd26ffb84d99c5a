#include "clipboard.h"

#include "wmf/metafile.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QMimeDatabase>

namespace ui {

QString pictureMimeType(const QByteArray &pictureFile)
{
    if (wmf::Metafile::looksLikeMetafile(pictureFile))
        return QStringLiteral("image/x-wmf");
    return QMimeDatabase().mimeTypeForData(pictureFile).name();
}

void copyToClipboard(const QString &text, const QByteArray &pictureFile, const QImage &image)
{
    auto *data = new QMimeData;
    data->setText(text);
    if (!pictureFile.isEmpty())
        data->setData(pictureMimeType(pictureFile), pictureFile);
    if (!image.isNull())
        data->setImageData(image);
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace ui

#include "picturefile.h"

#include "tasklist/foldernames.h"
#include "wmf/limits.h"
#include "wmf/metafile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

namespace ui {

namespace {

bool looksLikeSvg(const QByteArray &data)
{
    const QByteArray head = data.left(4096).trimmed();
    return head.startsWith("<svg") || ((head.startsWith("<?xml") || head.startsWith("<!DOCTYPE")) && head.contains("<svg"));
}

} // namespace

QString resolvePictureFile(const QString &storedName, const QDir &dir)
{
    // No file name can hold a NUL character.
    if (storedName.isEmpty() || storedName.contains(QChar(0)))
        return QString();
    QString name = storedName;
    name.replace(QChar('\\'), QChar('/'));
    // A drive letter means nothing here: look for the name in the folder itself.
    const bool driveLetter = name.size() >= 2 && name.at(1) == QChar(':') && name.at(0).unicode() < 128 && name.at(0).isLetter();
    if (driveLetter)
        name = name.mid(name.lastIndexOf(QChar('/')) + 1);
    QDir current = name.startsWith(QChar('/')) ? QDir::root() : dir;
    const QStringList parts = name.split(QChar('/'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return QString();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString entry = tasklist::findEntry(current, parts.at(i));
        if (entry.isEmpty())
            return QString();
        if (i + 1 == parts.size())
            return current.filePath(entry);
        if (!current.cd(entry))
            return QString();
    }
    return QString();
}

QSize Picture::size() const
{
    if (const auto *meta = std::get_if<std::shared_ptr<const wmf::Metafile>>(&m_content))
        return (*meta)->naturalSize();
    if (const auto *image = std::get_if<QImage>(&m_content))
        return image->deviceIndependentSize().toSize();
    if (const auto *svg = std::get_if<std::shared_ptr<QSvgRenderer>>(&m_content))
        return (*svg)->defaultSize();
    return QSize();
}

void Picture::draw(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (const auto *meta = std::get_if<std::shared_ptr<const wmf::Metafile>>(&m_content))
        (*meta)->render(painter);
    else if (const auto *image = std::get_if<QImage>(&m_content))
        painter.drawImage(QPointF(0, 0), *image);
    else if (const auto *svg = std::get_if<std::shared_ptr<QSvgRenderer>>(&m_content))
        (*svg)->render(&painter, QRectF(QPointF(0, 0), (*svg)->defaultSize()));
    painter.restore();
}

PictureKind pictureKind(const QByteArray &data)
{
    if (data.isEmpty())
        return PictureKind::None;
    if (wmf::Metafile::looksLikeMetafile(data))
        return PictureKind::Metafile;
    if (looksLikeSvg(data))
        return PictureKind::Svg;
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        return PictureKind::None;
    // Compressed SVG, say.
    return reader.format().startsWith("svg") ? PictureKind::Svg : PictureKind::Raster;
}

Picture Picture::fromData(const QByteArray &data, QString *error)
{
    Picture picture;
    switch (pictureKind(data)) {
    case PictureKind::None:
        *error = data.isEmpty() ? QStringLiteral("leere Datei") : QStringLiteral("kein Bild");
        return picture;
    case PictureKind::Metafile: {
        auto meta = std::make_shared<wmf::Metafile>();
        QString reason;
        if (!meta->load(data, &reason)) {
            *error = reason;
            return picture;
        }
        picture.m_content = std::shared_ptr<const wmf::Metafile>(std::move(meta));
        return picture;
    }
    case PictureKind::Svg: {
        auto svg = std::make_shared<QSvgRenderer>(data);
        if (svg->isValid())
            picture.m_content = std::move(svg);
        else
            *error = QStringLiteral("kein Bild");
        return picture;
    }
    case PictureKind::Raster:
        break;
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull()) {
        *error = QStringLiteral("kein Bild");
        return picture;
    }
    picture.m_content = std::move(image);
    return picture;
}

Picture Picture::load(const QString &path, QString *error)
{
    QFileInfo info(path);
    if (!info.isFile()) {
        *error = info.exists() ? QStringLiteral("keine Datei") : QStringLiteral("nicht vorhanden");
        return {};
    }
    if (info.size() > wmf::limits::kMaxFileBytes) {
        *error = QStringLiteral("Datei zu groß");
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    return fromData(file.readAll(), error);
}

} // namespace ui

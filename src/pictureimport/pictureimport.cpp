#include "pictureimport.h"

#include "tasklist/cp1252.h"
#include "ui/picturefile.h"
#include "tasklist/filewriter.h"
#include "tasklist/foldernames.h"
#include "wmf/limits.h"
#include "wmf/metafile.h"
#include "wmf/writer.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

namespace pictureimport {

namespace {

QSize fitted(QSize size, QSize largest = kLargest)
{
    if (size.width() <= largest.width() && size.height() <= largest.height())
        return size;
    return size.scaled(largest, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

Result failed(const QString &message)
{
    return {Result::Failed, QString(), message};
}

// SVG is drawn into a bitmap at the size it asks for, scaled down to kLargest.
QImage renderSvg(const QByteArray &data)
{
    QSvgRenderer svg(data);
    if (!svg.isValid())
        return QImage();
    QSize size = svg.defaultSize();
    if (size.isEmpty())
        size = kLargest;
    QImage image(fitted(size), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    return image;
}

} // namespace

QString storedName(const QString &name, QString *error)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || trimmed == QLatin1String(".") || trimmed == QLatin1String("..")) {
        *error = QStringLiteral("Das Bild braucht einen Namen.");
        return QString();
    }
    if (trimmed.contains(QLatin1Char('/')) || trimmed.contains(QLatin1Char('\\'))) {
        *error = QStringLiteral("Der Name „%1“ darf weder / noch \\ enthalten.").arg(trimmed);
        return QString();
    }
    const QString stored = tasklist::upperCp1252(trimmed) + QStringLiteral(".WMF");
    QString unmappable;
    tasklist::encodeCp1252(stored, &unmappable);
    if (!unmappable.isEmpty()) {
        *error = QStringLiteral("Diese Zeichen kann die Aufgabenliste nicht aufnehmen: ") + unmappable;
        return QString();
    }
    return stored;
}

QByteArray bitmapMetafile(const QImage &image)
{
    const QSize size = fitted(image.size());
    // Transparent parts over white, as the picture box shows them.
    QImage bitmap(size, QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    {
        QPainter painter(&bitmap);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(0, 0), size), image);
    }
    // The frame in twips states the natural size; the window counts in the
    // bitmap's pixels, which may be up to twice as many.
    const QSize shown = fitted(image.size(), kLargestShown);
    const QRect pixels(QPoint(0, 0), size);
    wmf::Writer writer;
    writer.setBounds(QRect(0, 0, shown.width() * 15, shown.height() * 15), 1440);
    writer.setWindowOrg(0, 0);
    writer.setWindowExt(size.width(), size.height());
    writer.dibStretchBlt(pixels, pixels, bitmap);
    return writer.data();
}

Result Importer::importFile(const QString &path)
{
    const QFileInfo info(path);
    QString error;
    const QString name = storedName(info.completeBaseName(), &error);
    if (name.isEmpty())
        return failed(QStringLiteral("„%1“: %2").arg(info.fileName(), error));
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return failed(QStringLiteral("Die Datei „%1“ kann nicht gelesen werden.").arg(path));
    if (file.size() > wmf::limits::kMaxImportFileBytes)
        return failed(QStringLiteral("Die Datei „%1“ ist zu groß für ein Bild.").arg(path));
    const QByteArray data = file.readAll();
    const QString unknown = QStringLiteral("Die Datei „%1“ ist kein Bild, das Revaze lesen kann.").arg(path);

    QImage image;
    switch (ui::pictureKind(data)) {
    case ui::PictureKind::Metafile: {
        wmf::Metafile metafile;
        if (!metafile.load(data))
            return failed(unknown);
        return store(name, data); // copied as it is
    }
    case ui::PictureKind::Svg:
        image = renderSvg(data);
        break;
    case ui::PictureKind::Raster: {
        QBuffer buffer;
        buffer.setData(data);
        QImageReader reader(&buffer);
        reader.setAutoTransform(true); // photos keep the way up the camera noted
        const QSize declared = reader.size();
        if (declared.isValid() && qint64(declared.width()) * declared.height() > wmf::limits::kMaxImportPixels)
            return failed(QStringLiteral("Das Bild „%1“ ist zu groß (%2 × %3 Bildpunkte).")
                              .arg(path)
                              .arg(declared.width())
                              .arg(declared.height()));
        // Large photos are decoded straight to the size they are stored at.
        if (declared.isValid())
            reader.setScaledSize(fitted(declared));
        image = reader.read();
        break;
    }
    case ui::PictureKind::None:
        break;
    }
    if (image.isNull())
        return failed(unknown);
    return store(name, bitmapMetafile(image));
}

Result Importer::importImage(const QImage &image, const QString &name)
{
    QString error;
    const QString stored = storedName(name, &error);
    if (stored.isEmpty())
        return failed(error);
    if (image.isNull())
        return failed(QStringLiteral("In der Zwischenablage ist kein Bild."));
    return store(stored, bitmapMetafile(image));
}

Result Importer::store(const QString &name, const QByteArray &metafile)
{
    // An existing picture of that name, in any letter case, is replaced only on Ja.
    const QString existing = tasklist::findEntry(m_folder, name);
    const QString target = m_folder.filePath(existing.isEmpty() ? name : existing);
    if (!existing.isEmpty()
        && m_ask(ui::stopQuestion(QStringLiteral("Das Bild „%1“ gibt es schon. Ersetzen?\r").arg(existing),
                                   QStringLiteral("Bild übernehmen"))) != ui::Answer::Yes)
        return {Result::Declined, QString(), QStringLiteral("„%1“ wurde nicht ersetzt.").arg(existing)};
    tasklist::FileWriter out(target);
    if (!out.open() || out.write(metafile) != metafile.size() || !out.commit())
        return failed(QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden: %2").arg(target, out.errorString()));
    return {Result::Stored, QFileInfo(target).fileName(), QString()};
}

} // namespace pictureimport

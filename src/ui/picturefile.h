#pragma once
// Pictures named in task lists: finding the file and loading it.

#include <QDir>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>
#include <variant>

class QPainter;
class QSvgRenderer;
namespace wmf { class Metafile; }

namespace ui {

// Finds the file a stored picture name means, relative to `dir`. A backslash
// separates folders, as in lists made on Windows. Each part is found as
// tasklist::findEntry finds names. Returns an empty string when nothing matches.
QString resolvePictureFile(const QString &storedName, const QDir &dir);

// What a picture file's bytes hold, told by their content rather than by
// the name's ending: task lists name photos "*.WMF" too.
enum class PictureKind { None, Metafile, Svg, Raster };
PictureKind pictureKind(const QByteArray &data);

// A loaded picture: a Windows metafile, a raster image or an SVG drawing,
// recognised by content rather than by the name's ending.
class Picture {
public:
    Picture() = default;
    bool isNull() const { return std::holds_alternative<std::monostate>(m_content); }
    QSize size() const;                 // natural size in pixels
    void draw(QPainter &painter) const; // at natural size, top left at the origin

    // Loads a file; on failure the reason goes to `error` and a null picture comes back.
    static Picture load(const QString &path, QString *error);
    static Picture fromData(const QByteArray &data, QString *error);

private:
    std::variant<std::monostate, std::shared_ptr<const wmf::Metafile>, QImage, std::shared_ptr<QSvgRenderer>> m_content;
};

} // namespace ui

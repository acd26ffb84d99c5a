// Windows metafile pictures: load, size and draw.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

class QPainter;

namespace wmf {

struct Frame;
struct ParsedMetafile;

class Metafile {
public:
    Metafile();
    ~Metafile();
    Metafile(const Metafile &other);
    Metafile &operator=(const Metafile &other);

    // Parses and validates; false plus a short English reason for a file that is no metafile.
    // Damage after a valid header is not a failure: records before the damage are kept.
    bool load(const QByteArray &data, QString *error = nullptr);
    bool isNull() const;
    QSize naturalSize() const;              // in pixels at 96 dpi
    void render(QPainter &painter) const;   // natural size, top left at the painter's origin
    static bool looksLikeMetafile(const QByteArray &head); // content sniffing

    // Notes about damage or oddities found while loading (never fatal).
    QStringList warnings() const;
    // The parsed records, for tools and tests.
    const ParsedMetafile *parsed() const;

private:
    std::shared_ptr<const ParsedMetafile> m_parsed;
    std::shared_ptr<const Frame> m_frame;
};

} // namespace wmf

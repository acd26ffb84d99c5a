// The sample pictures (drawn with the metafile writer) and a larger
// clip-art-like picture for timing.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace samples {

struct Picture {
    QString fileName; // as written to disk (UTF-8 names, upper case except the flower)
    QByteArray data;  // a placeable metafile
};

QList<Picture> pictures();

// A busy picture of roughly `records` records: gradients of bands, many
// polygons with pens and brushes, text, a bitmap, clipping, like clip art.
QByteArray clipArt(int records = 2000);

} // namespace samples

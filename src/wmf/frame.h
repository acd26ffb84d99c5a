// The picture's frame: the natural size a metafile is drawn at and the
// mapping its playback starts with.
#pragma once

#include "gdiconstants.h"
#include "parser.h"

#include <QPointF>
#include <QRectF>
#include <QSize>

namespace wmf {

struct Frame {
    QSize natural;
    int mapMode = MM_ANISOTROPIC;
    QPointF windowOrg, windowExt{1, 1}, viewportOrg, viewportExt{1, 1};
    bool estimated = false; // the file names no area to frame: only what it draws can tell
    // The thinnest line in natural pixels, on a grid of that pitch: above 1
    // when the picture is played at natural size for an output under half
    // that size, where it is half a pixel of the output.
    double thinnestLine = 1.0;
};
Frame computeFrame(const ParsedMetafile &mf);
// The frame around this part of the logical plane, one unit to the pixel
// (huge ones scaled down to 1024 pixels).
Frame frameAround(const QRectF &drawn);

// Logical units to the inch in the fixed map modes; 0 in the others.
double unitsPerInch(int mapMode);

} // namespace wmf

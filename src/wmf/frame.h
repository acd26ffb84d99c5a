// The picture's frame: the natural size a metafile is drawn at and the
// mapping its playback starts with.
#pragma once

#include "gdiconstants.h"
#include "parser.h"

#include <QPointF>
#include <QSize>

namespace wmf {

struct Frame {
    QSize natural;
    int mapMode = MM_ANISOTROPIC;
    QPointF windowOrg, windowExt{1, 1}, viewportOrg, viewportExt{1, 1};
};
Frame computeFrame(const ParsedMetafile &mf);

// Logical units to the inch in the fixed map modes; 0 in the others.
double unitsPerInch(int mapMode);

} // namespace wmf

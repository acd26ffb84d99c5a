// Plays the records of a parsed metafile onto a QPainter with the semantics
// of a GDI device context. Device units are pixels of the natural size.
//
// The player reads each record through the parser's decoders, keeps the
// state and objects the record sets up, and hands drawing to the part that
// draws it: shapes, text, bitmaps or regions.
#pragma once

#include "frame.h"
#include "gdiconstants.h"
#include "objects.h"
#include "parser.h"
#include "playstats.h"

#include <QPainter>

#include <memory>
#include <optional>
#include <vector>

namespace wmf {

class Player {
public:
    Player(const ParsedMetafile &mf, QPainter &painter);
    Player(const ParsedMetafile &mf, QPainter &painter, const Frame &frame);
    ~Player();
    void play();
    const PlayStats &stats() const { return m_stats; }
    // Object table after playback, for tests of the slot rules.
    const std::vector<std::optional<GdiObject>> &objects() const;

private:
    struct Parts;

    void dispatch(const Record &r);
    bool spendPoints(size_t n);

    const ParsedMetafile &m_mf;
    QPainter &m_p;
    PlayStats m_stats;
    std::unique_ptr<Parts> m;
};

} // namespace wmf

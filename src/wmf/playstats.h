// What a playback did with the records it met.
#pragma once

namespace wmf {

struct PlayStats {
    int records = 0;
    int unknown = 0;   // records whose function nobody knows
    int invalid = 0;   // records whose parameters failed validation
};

} // namespace wmf

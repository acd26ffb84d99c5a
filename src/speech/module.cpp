// The speech module's one entry: the program loads it at the first V.
#include "speech/speechengine.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT speech::Engine *revaze_make_speech_engine(int wordsPerMinute)
{
    return speech::makeEspeakEngine(wordsPerMinute).release();
}

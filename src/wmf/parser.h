// Metafile parsing: headers and record framing here, the validated decoding
// of record parameters in recordparams.h. Nothing here draws; the player
// builds on these.
#pragma once

#include "limits.h"
#include "record.h"
#include "recordparams.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace wmf {

struct PlaceableHeader {
    bool present = false;
    qint16 left = 0, top = 0, right = 0, bottom = 0;
    quint16 inch = 0;
    quint16 checksum = 0;
    quint16 computedChecksum = 0;
    bool checksumOk() const { return checksum == computedChecksum; }
};

struct MetaHeader {
    quint16 type = 0;
    quint16 headerSize = 0;
    quint16 version = 0;
    quint32 fileSizeWords = 0;
    quint16 numberOfObjects = 0;
    quint32 maxRecord = 0;
};

struct ParsedMetafile {
    QByteArray data; // keeps the bytes the records point into alive
    PlaceableHeader placeable;
    MetaHeader header;
    std::vector<Record> records; // without the final META_EOF
    bool sawEof = false;
    QStringList warnings;
};

class Parser {
public:
    static constexpr quint32 kPlaceableKey = 0x9AC6CDD7u;
    static constexpr int kPlaceableSize = 22;
    static constexpr int kHeaderSize = 18;

    // Parses the headers and frames the records. Returns false (with a short
    // English reason) only when the data is no metafile at all; damage after
    // a valid header ends the record list early and adds a warning.
    static bool parse(const QByteArray &data, ParsedMetafile *out, QString *error);

    static bool looksLikeMetafile(const QByteArray &head);
    static quint16 placeableChecksum(const uchar *first20Bytes);
};

} // namespace wmf

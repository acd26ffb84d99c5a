// A record's bytes: a bounds-checked view on the file and the record framed
// in it. The parser makes these; the decoders read parameters through them.
#pragma once

#include <QtGlobal>

namespace wmf {

// Bounds-checked little-endian view on bytes that someone else owns.
// Reads outside the view return 0; callers check sizes first where it matters.
class ByteView {
public:
    ByteView() = default;
    ByteView(const uchar *data, qsizetype size) : m_data(data), m_size(size < 0 ? 0 : size) {}

    const uchar *data() const { return m_data; }
    qsizetype size() const { return m_size; }
    bool has(qsizetype offset, qsizetype count) const
    {
        return offset >= 0 && count >= 0 && offset <= m_size && count <= m_size - offset;
    }
    quint8 u8(qsizetype o) const { return has(o, 1) ? m_data[o] : 0; }
    quint16 u16(qsizetype o) const
    {
        return has(o, 2) ? quint16(m_data[o] | (m_data[o + 1] << 8)) : 0;
    }
    qint16 i16(qsizetype o) const { return qint16(u16(o)); }
    quint32 u32(qsizetype o) const
    {
        return has(o, 4) ? (quint32(m_data[o]) | (quint32(m_data[o + 1]) << 8)
                            | (quint32(m_data[o + 2]) << 16) | (quint32(m_data[o + 3]) << 24))
                         : 0;
    }
    qint32 i32(qsizetype o) const { return qint32(u32(o)); }
    // Sub-view clamped to this view.
    ByteView mid(qsizetype offset, qsizetype count = -1) const;

private:
    const uchar *m_data = nullptr;
    qsizetype m_size = 0;
};

// One record; params covers the bytes after the 6-byte record header and
// ends where the record ends, so a handler cannot read into the next record.
struct Record {
    quint32 offset = 0;     // of the record in the file, in bytes
    quint32 sizeWords = 0;  // as stored
    quint16 function = 0;   // as stored
    quint16 canonical = 0;  // known function code matching the low byte, or 0xFFFF
    ByteView params;

    int words() const { return int(params.size() / 2); }
    quint16 u16(int word) const { return params.u16(2 * qsizetype(word)); }
    qint16 i16(int word) const { return params.i16(2 * qsizetype(word)); }
    quint32 u32(int word) const { return params.u32(2 * qsizetype(word)); }
};

} // namespace wmf

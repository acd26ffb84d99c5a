#include "cp1252.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

namespace tasklist {

namespace {

constexpr const char *kCodec = "windows-1252";

// Where Windows-1252 agrees with Latin-1: every byte but 80..9F.
bool sameAsLatin1(QByteArrayView bytes)
{
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F)
            return false;
    }
    return true;
}

// Text that Windows-1252 stores as Latin-1 does: no character above FF nor in 80..9F.
bool latin1Only(QStringView text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u > 0xFF || (u >= 0x80 && u <= 0x9F))
            return false;
    }
    return true;
}

bool encodable(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return true;
    QStringEncoder encoder(kCodec);
    const QString s = QString::fromUcs4(&c, 1);
    const QByteArray bytes = encoder.encode(s);
    return !encoder.hasError() && bytes.size() == 1;
}

} // namespace

QString decodeCp1252(QByteArrayView bytes)
{
    // Most lines are plain text, and Latin-1 is far quicker to decode.
    if (sameAsLatin1(bytes))
        return QString::fromLatin1(bytes);
    QStringDecoder decoder(kCodec);
    return decoder.decode(bytes);
}

QByteArray encodeCp1252(QStringView text, QString *unmappable)
{
    // As on reading, most lines take the quick way.
    if (latin1Only(text))
        return text.toLatin1();
    QStringEncoder encoder(kCodec);
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError())
        return bytes;
    // Name the characters it could not hold.
    for (const char32_t c : text.toUcs4()) {
        if (encodable(c))
            continue;
        const QString ch = QString::fromUcs4(&c, 1);
        if (unmappable && !unmappable->contains(ch))
            *unmappable += ch;
    }
    return bytes;
}

QString upperCp1252(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        const char32_t upper = QChar::toUpper(c);
        const char32_t kept = encodable(c) && encodable(upper) ? upper : c;
        result += QString::fromUcs4(&kept, 1);
    }
    return result;
}

} // namespace tasklist

// Font faces and 8-bit text of metafiles on a system without Windows fonts.
#pragma once

#include <QByteArray>
#include <QString>

namespace wmf {

// Linux family standing in for a Windows face name. Unknown faces fall back
// by the LOGFONT pitch-and-family byte (roman, modern/fixed, else sans).
QString substituteFamily(const QByteArray &faceName, quint8 pitchAndFamily = 0);

enum class SymbolFace { None, Symbol, Wingdings };
SymbolFace symbolFace(const QByteArray &faceName);

// Windows code page for a LOGFONT character set (1252, 1250, ...), 0 for the
// symbol set, -1 for sets decoded as Latin-1.
int codePageForCharSet(quint8 charSet);

// Decodes text bytes the way Windows would show them with the given font.
QString decodeText(const QByteArray &bytes, quint8 charSet, const QByteArray &faceName);

} // namespace wmf

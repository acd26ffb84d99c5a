// Font faces and the byte strings of metafile text on a system without Windows fonts.
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace wmf {

// Linux family standing in for a Windows face name. Known and installed faces
// win whatever the pitch and family say; only other faces fall back by the
// LOGFONT pitch-and-family byte (roman, modern/fixed, else sans).
QString substituteFamily(const QByteArray &faceName, quint8 pitchAndFamily = 0);

// True when the family standing in for this face is drawn with Symbol's own
// byte codes rather than with Unicode.
bool takesSymbolCodes(const QByteArray &faceName);

enum class SymbolFace { None, Symbol, Wingdings };
SymbolFace symbolFace(const QByteArray &faceName);

// Windows code page for a LOGFONT character set (1252, 1250, 949, ...), 0 for
// the symbol set, -1 for sets decoded as Latin-1.
int codePageForCharSet(quint8 charSet);

// Decodes text bytes the way Windows would show them with the given font.
// charBytes, if given, gets how many bytes each character of the result came
// from: 1 for the 8-bit sets, 2 for most East Asian characters, 0 for the
// rest of a byte sequence that came out as more than one character.
QString decodeText(const QByteArray &bytes, quint8 charSet, const QByteArray &faceName,
                   std::vector<int> *charBytes = nullptr);

} // namespace wmf

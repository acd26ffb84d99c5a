#include "fonts.h"

#include <QHash>

namespace wmf {

namespace {

#include "codepages.inc"

// The one place where Windows face names meet the fonts Debian ships
// (fonts-liberation2 is metric-compatible with the core Windows fonts;
// DejaVu covers the rest and the symbol repertoire).
struct FaceEntry {
    const char *windows;
    const char *family;
};
constexpr FaceEntry kFaces[] = {
    {"arial", "Liberation Sans"},
    {"arial narrow", "Liberation Sans"},
    {"arial black", "DejaVu Sans"},
    {"helvetica", "Liberation Sans"},
    {"helv", "Liberation Sans"},
    {"ms sans serif", "Liberation Sans"},
    {"microsoft sans serif", "Liberation Sans"},
    {"ms shell dlg", "Liberation Sans"},
    {"ms shell dlg 2", "Liberation Sans"},
    {"system", "Liberation Sans"},
    {"tahoma", "DejaVu Sans"},
    {"verdana", "DejaVu Sans"},
    {"comic sans ms", "DejaVu Sans"},
    {"century gothic", "DejaVu Sans"},
    {"times new roman", "Liberation Serif"},
    {"times", "Liberation Serif"},
    {"tms rmn", "Liberation Serif"},
    {"ms serif", "Liberation Serif"},
    {"georgia", "DejaVu Serif"},
    {"book antiqua", "DejaVu Serif"},
    {"courier new", "Liberation Mono"},
    {"courier", "Liberation Mono"},
    {"lucida console", "DejaVu Sans Mono"},
    {"fixedsys", "DejaVu Sans Mono"},
    {"terminal", "DejaVu Sans Mono"},
    {"symbol", "DejaVu Sans"},
    {"mt extra", "DejaVu Sans"},
    {"wingdings", "DejaVu Sans"},
    {"webdings", "DejaVu Sans"},
};

// Symbol font codes 0x20..0xFF → Unicode (0 = same as the code).
constexpr char16_t kSymbol[224] = {
    // 0x20
    0, 0, 0x2200, 0, 0x2203, 0, 0, 0x220B, 0, 0, 0x2217, 0, 0, 0x2212, 0, 0,
    // 0x30
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0x40
    0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1, 0x039A, 0x039B,
    0x039C, 0x039D, 0x039F,
    // 0x50
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396, 0, 0x2234, 0,
    0x22A5, 0,
    // 0x60
    0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB,
    0x03BC, 0x03BD, 0x03BF,
    // 0x70
    0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6, 0, 0, 0, 0x223C, 0,
    // 0x80
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0x90
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0xA0
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, 0x2666, 0x2665, 0x2660, 0x2194, 0x2190,
    0x2191, 0x2192, 0x2193,
    // 0xB0
    0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022, 0x00F7, 0x2260, 0x2261, 0x2248, 0x2026,
    0x23D0, 0x23AF, 0x21B5,
    // 0xC0
    0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229, 0x222A, 0x2283, 0x2287, 0x2284, 0x2282,
    0x2286, 0x2208, 0x2209,
    // 0xD0
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5, 0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0,
    0x21D1, 0x21D2, 0x21D3,
    // 0xE0
    0x25CA, 0x2329, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C, 0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7,
    0x23A8, 0x23A9, 0x23AA,
    // 0xF0
    0, 0x232A, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F, 0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC,
    0x23AD, 0,
};

// The Wingdings signs that clip art and worksheets actually use.
struct Glyph {
    quint8 code;
    char16_t unicode;
};
constexpr Glyph kWingdings[] = {
    {0x21, 0x270F}, {0x22, 0x2702}, {0x23, 0x2701}, {0x28, 0x260E}, {0x29, 0x2706}, {0x2A, 0x2709},
    {0x36, 0x231B}, {0x37, 0x2328}, {0x3E, 0x2707}, {0x3F, 0x270D}, {0x41, 0x270C}, {0x45, 0x261C},
    {0x46, 0x261E}, {0x47, 0x261D}, {0x48, 0x261F}, {0x4A, 0x263A}, {0x4C, 0x2639}, {0x4E, 0x2620},
    {0x51, 0x2708}, {0x52, 0x263C}, {0x54, 0x2744}, {0x56, 0x271E}, {0x58, 0x2720}, {0x59, 0x2721},
    {0x5A, 0x262A}, {0x5B, 0x262F}, {0x5C, 0x0950}, {0x5D, 0x2638}, {0x5E, 0x2648}, {0x6C, 0x25CF},
    {0x6D, 0x274D}, {0x6E, 0x25A0}, {0x6F, 0x25A1}, {0x71, 0x2751}, {0x72, 0x2752}, {0x73, 0x2B27},
    {0x74, 0x29EB}, {0x75, 0x25C6}, {0x76, 0x2756}, {0x77, 0x2B25}, {0x78, 0x2327}, {0x7B, 0x2740},
    {0x7C, 0x273F}, {0x7D, 0x275D}, {0x7E, 0x275E}, {0x9F, 0x2022}, {0xA1, 0x25CB}, {0xA8, 0x25FB},
    {0xAA, 0x2726}, {0xAB, 0x2605}, {0xAC, 0x2736}, {0xAE, 0x2739}, {0xB5, 0x272A}, {0xD5, 0x232B},
    {0xD6, 0x2326}, {0xD8, 0x27A2}, {0xDF, 0x2190}, {0xE0, 0x2192}, {0xE1, 0x2191}, {0xE2, 0x2193},
    {0xE8, 0x2794}, {0xEF, 0x21E6}, {0xF0, 0x21E8}, {0xF1, 0x21E7}, {0xF2, 0x21E9}, {0xFB, 0x2718},
    {0xFC, 0x2714}, {0xFD, 0x2612}, {0xFE, 0x2611},
};

QByteArray normalisedFace(const QByteArray &face)
{
    return face.trimmed().toLower();
}

} // namespace

QString substituteFamily(const QByteArray &faceName, quint8 pitchAndFamily)
{
    const QByteArray key = normalisedFace(faceName);
    for (const FaceEntry &e : kFaces) {
        if (key == e.windows)
            return QString::fromLatin1(e.family);
    }
    if (!key.isEmpty() && !(pitchAndFamily & 0xF0) && !(pitchAndFamily & 3))
        return QString::fromLatin1(faceName.trimmed()); // a real family name: let fontconfig look
    const int family = pitchAndFamily & 0xF0;
    if (family == 0x10)
        return QStringLiteral("Liberation Serif");
    if (family == 0x30 || (pitchAndFamily & 3) == 1)
        return QStringLiteral("Liberation Mono");
    return QStringLiteral("Liberation Sans");
}

SymbolFace symbolFace(const QByteArray &faceName)
{
    const QByteArray key = normalisedFace(faceName);
    if (key == "symbol" || key == "mt extra")
        return SymbolFace::Symbol;
    if (key.startsWith("wingdings") || key == "webdings")
        return SymbolFace::Wingdings;
    return SymbolFace::None;
}

int codePageForCharSet(quint8 charSet)
{
    switch (charSet) {
    case 0:   // ANSI
    case 1:   // DEFAULT: German Windows writes cp1252
    case 255: // OEM: near enough for letters
        return 1252;
    case 2:
        return 0;
    case 238:
        return 1250;
    case 204:
        return 1251;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 186:
        return 1257;
    default:
        return -1;
    }
}

QString decodeText(const QByteArray &bytes, quint8 charSet, const QByteArray &faceName)
{
    QString out;
    out.reserve(bytes.size());
    const SymbolFace sym = symbolFace(faceName);
    if (sym == SymbolFace::Symbol) {
        for (char c : bytes) {
            const quint8 b = quint8(c);
            const char16_t u = b >= 0x20 ? kSymbol[b - 0x20] : 0;
            out.append(QChar(u ? u : char16_t(b)));
        }
        return out;
    }
    if (sym == SymbolFace::Wingdings) {
        for (char c : bytes) {
            const quint8 b = quint8(c);
            char16_t u = 0x25A1; // white square for signs without a stand-in
            for (const Glyph &g : kWingdings) {
                if (g.code == b) {
                    u = g.unicode;
                    break;
                }
            }
            out.append(b == 0x20 ? QChar(u' ') : QChar(u));
        }
        return out;
    }
    const char16_t *upper = nullptr;
    switch (codePageForCharSet(charSet)) {
    case 1250: upper = kCp1250; break;
    case 1251: upper = kCp1251; break;
    case 1252: upper = kCp1252; break;
    case 1253: upper = kCp1253; break;
    case 1254: upper = kCp1254; break;
    case 1257: upper = kCp1257; break;
    default: break;
    }
    for (char c : bytes) {
        const quint8 b = quint8(c);
        if (b < 0x80 || !upper)
            out.append(QChar(char16_t(b)));
        else
            out.append(QChar(upper[b - 0x80]));
    }
    return out;
}

} // namespace wmf
